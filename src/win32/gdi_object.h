#pragma once
// Owns one GDI object (font, brush, pen, bitmap) and deletes it.
#include <windows.h>

#include <utility>

namespace quornel {

template <class Handle>
class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : h_(h) {}
    ~GdiObject() { reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            h_ = std::exchange(other.h_, nullptr);
        }
        return *this;
    }
    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void reset(Handle h = nullptr) {
        if (h_) DeleteObject(h_);
        h_ = h;
    }

  private:
    Handle h_ = nullptr;
};

// Selects an object into a DC for one scope and puts the old one back.
class SelectInScope {
  public:
    SelectInScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectInScope() { SelectObject(dc_, old_); }
    SelectInScope(const SelectInScope&) = delete;
    SelectInScope& operator=(const SelectInScope&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// An off-screen bitmap the size of a client area: painting goes here and is copied to
// the window in one step, so nothing flickers.
class BackBuffer {
  public:
    BackBuffer(HDC target, int width, int height);
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;
    HDC dc() const { return dc_; }
    // Copies the buffer onto the target at (0, 0).
    void present();

  private:
    HDC target_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    int width_, height_;
};

// A client area painted once and copied as often as it is asked for: for a parent whose
// children draw it as their own background (DrawThemeParentBackground sends the parent
// WM_PRINTCLIENT for every child at every paint of the child).
class PaintedCopy {
  public:
    PaintedCopy() = default;
    ~PaintedCopy();
    PaintedCopy(const PaintedCopy&) = delete;
    PaintedCopy& operator=(const PaintedCopy&) = delete;

    bool valid() const { return valid_; }
    // What it shows has changed; the next copy paints it anew.
    void invalidate() { valid_ = false; }
    // Paints the copy anew with `paint(dc)`, `width` × `height` pixels.
    template <class Paint>
    void repaint(int width, int height, Paint&& paint) {
        if (!prepare(width, height)) return;
        paint(dc_);
        valid_ = true;
    }
    // Copies it onto `target` at (0, 0).
    void copy_to(HDC target) const;

  private:
    bool prepare(int width, int height);

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    int width_ = 0, height_ = 0;
    bool valid_ = false;
};

// Answers WM_PAINT through a BackBuffer: `paint(dc, client)` draws the whole client area.
template <class Paint>
void paint_buffered(HWND hwnd, Paint&& paint) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    {
        BackBuffer buffer(dc, client.right, client.bottom);
        paint(buffer.dc(), client);
        buffer.present();
    }
    EndPaint(hwnd, &ps);
}

}  // namespace quornel
