#include "win32/gdi_object.h"

namespace quornel {

BackBuffer::BackBuffer(HDC target, int width, int height)
    : target_(target), width_(width > 0 ? width : 1), height_(height > 0 ? height : 1) {
    dc_ = CreateCompatibleDC(target);
    bitmap_ = CreateCompatibleBitmap(target, width_, height_);
    old_ = SelectObject(dc_, bitmap_);
}

BackBuffer::~BackBuffer() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void BackBuffer::present() {
    BitBlt(target_, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace quornel
