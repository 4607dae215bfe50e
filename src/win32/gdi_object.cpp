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

PaintedCopy::~PaintedCopy() {
    if (dc_) {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
}

bool PaintedCopy::prepare(int width, int height) {
    width = width > 0 ? width : 1;
    height = height > 0 ? height : 1;
    if (dc_ && width == width_ && height == height_) return true;
    valid_ = false;
    // Made like the screen, whatever DC first asks: a memory DC may hold a monochrome bitmap.
    HDC screen = GetDC(nullptr);
    if (!dc_) {
        dc_ = CreateCompatibleDC(screen);
        if (dc_) old_ = GetCurrentObject(dc_, OBJ_BITMAP);
    }
    HBITMAP bitmap = dc_ ? CreateCompatibleBitmap(screen, width, height) : nullptr;
    ReleaseDC(nullptr, screen);
    if (!bitmap) return false;
    SelectObject(dc_, bitmap);
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = bitmap;
    width_ = width;
    height_ = height;
    return true;
}

void PaintedCopy::copy_to(HDC target) const {
    if (dc_) BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace quornel
