// After every event the screen follows the model: only what changed is copied onto the
// native controls (each wrapper keeps what it last showed), and a container is repainted
// only when one of its drawings changed.
#include <algorithm>
#include <cstdio>
#include <set>

#include "win32/canvas.h"
#include "win32/frm_main_view.h"
#include "win32/tab_control.h"
#include "win32/tooltip.h"

namespace quornel {
namespace {

// What a windowless control shows, as text: two equal texts paint the same.
void describe(const Control& c, std::string& out) {
    char buf[160];
    std::snprintf(buf, sizeof(buf), "%d|%.3f,%.3f,%.3f,%.3f|", c.visible ? 1 : 0, c.rect.left,
                  c.rect.top, c.rect.width, c.rect.height);
    out += buf;
    if (c.kind == ControlKind::Line) {
        const auto& l = static_cast<const Line&>(c);
        std::snprintf(buf, sizeof(buf), "%.3f,%.3f,%.3f,%.3f|", l.x1, l.y1, l.x2, l.y2);
        out += buf;
    } else if (c.kind == ControlKind::Image || c.kind == ControlKind::PictureBox) {
        out += static_cast<const Picture&>(c).picture;
        out += '|';
    } else if (c.kind == ControlKind::Label) {
        out += c.enabled ? "e|" : "d|";
        out += static_cast<const Label&>(c).caption;
        out += '|';
    }
}

}  // namespace

// A control directly on the tab control shows only with its page.
bool FrmMainView::shown_on_page(const Control& c) const {
    return c.container != "SSTab1" || c.tab_page < 0 || c.tab_page == model_.SSTab1.tab;
}

void FrmMainView::paint_container(HDC dc, const std::string& container) {
    auto it = windowless_.find(container);
    if (it == windowless_.end()) return;
    if (container != "SSTab1") {
        paint_windowless(dc, it->second, dpi_, pictures_, font_->get());
        return;
    }
    std::vector<const Control*> page;
    for (const Control* c : it->second)
        if (shown_on_page(*c)) page.push_back(c);
    paint_windowless(dc, page, dpi_, pictures_, font_->get());
}

void FrmMainView::show_model_state() {
    syncing_ = true;
    // The caption counts the crossings of the header, which a new text type reads again.
    if (caption_ != model_.form.caption) window_.set_text(caption_ = model_.form.caption);
    std::set<std::string> moved;
    for (auto& n : natives_) {
        const bool existed = n->wnd != nullptr;
        const RECT before = existed ? n->wnd->placed_rect() : RECT{};
        apply(*n, false);
        if (existed && !EqualRect(&before, &n->wnd->placed_rect())) moved.insert(n->parent);
    }
    for (const std::string& parent : moved) restack(parent);
    redraw_changed_containers(false);
    syncing_ = false;
}

void FrmMainView::restack(const std::string& parent) {
    std::vector<Native*> siblings;
    for (auto& n : natives_)
        if (n->parent == parent && n->wnd) siblings.push_back(n.get());
    // By where they stand on the screen (half-twips apart is the same row).
    std::stable_sort(siblings.begin(), siblings.end(), [](const Native* a, const Native* b) {
        const RECT& ra = a->wnd->placed_rect();
        const RECT& rb = b->wnd->placed_rect();
        if (ra.top != rb.top) return ra.top < rb.top;
        return ra.left < rb.left;
    });
    HWND after = HWND_TOP;
    for (Native* n : siblings) {
        SetWindowPos(n->wnd->hwnd(), after, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
        after = n->wnd->hwnd();
    }
}

void FrmMainView::refresh() {
    show_model_state();
    if (model_.closed && !closed()) {
        // 「作図」 has written its files or 「キャンセル」 was pressed: the program ends, once
        // the control whose event this was has finished with it.
        if (!closing_) PostMessageW(hwnd(), kMsgCloseNow, 0, 0);
        closing_ = true;
        return;
    }
    apply_focus();
}

void FrmMainView::apply(Native& n, bool force) {
    const win::Placement at = placement(*n.model);
    // A control is made when it is first to be shown (its container first), already in
    // its place and state; its wrapper then copies the rest and, later, what changed.
    if (!n.wnd && (!at.visible || !realize(n, at))) return;
    n.apply(at, force);
    // The tip covers the control where it stands, and nothing while it is hidden.
    if (tips_)
        tips_->set(n.tip_id, parent_window(n.parent), at.visible ? at.rect : RECT{}, n.model->tip);
}

void FrmMainView::redraw_changed_containers(bool force) {
    for (const auto& [container, items] : windowless_) {
        std::string state;
        if (container == "SSTab1") state = std::to_string(model_.SSTab1.tab) + "|";
        for (const Control* c : items) describe(*c, state);
        std::string& painted = painted_state_[container];
        if (!force && painted == state) continue;
        painted = std::move(state);
        if (container == "SSTab1") {
            if (tab_) tab_->redraw();
        } else if (auto it = canvases_.find(container); it != canvases_.end()) {
            it->second->redraw();
        }
    }
}

void FrmMainView::rescale(unsigned dpi) {
    dpi_ = dpi;
    font_ = std::make_unique<UiFont>(dpi);
    syncing_ = true;
    if (tips_) tips_->set_scale(font_->get(), dpi);
    for (auto& n : natives_) {
        if (n->wnd) n->wnd->set_font(font_->get());
        apply(*n, true);
    }
    redraw_changed_containers(true);
    syncing_ = false;
    InvalidateRect(hwnd(), nullptr, TRUE);
}

}  // namespace quornel
