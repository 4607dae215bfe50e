// Start-up (Form_Load), the exchange header, the pen pickers and 「キャンセル」.
#include <cmath>

#include "settings/registry_settings.h"
#include "ui/floor_checks.h"
#include "ui/frm_main.h"
#include "ui/startup_trace.h"

namespace quornel {

namespace {
constexpr const char* kHeaderFile = "TEMP.TXT";
}

// The lists of 基本設定, found by the names their registry values give them, in that order.
std::array<ComboBox*, kSetteiValues> FrmMain::settei_boxes() {
    std::array<ComboBox*, kSetteiValues> boxes{};
    for (int i = 0; i < kSetteiValues; ++i) boxes[i] = box_named(kSetteiPicks[i].box);
    return boxes;
}

void FrmMain::Form_Load() {
    loading_ = true;
    form.width = 11700;
    form.height = 9250;
    Picture2.rect.width = 8500;
    Picture2.rect.height = 7500;
    state.DiagramCenterX = Picture2.rect.width / 2;
    state.DiagramCenterY = std::lround(Picture2.rect.height / 2);

    sunpo = SunpoLoad(env_.registry);
    const auto positions = SetteiLoad(env_.registry);
    const auto boxes = settei_boxes();
    for (int i = 0; i < kSetteiValues; ++i) {
        if (!boxes[i]) continue;
        ComboBox& box = *boxes[i];
        const int p = positions[i];
        // A stored position outside the list (or -1 saved from an empty selection) takes
        // the first entry.
        set_list_index(box, p >= 0 && p < static_cast<int>(box.items.size()) ? p : 0);
    }
    startup_trace().phase("registry");
    const Status header_status = read_header();
    startup_trace().phase("header");
    if (!header_status) {
        if (!loaded_once_) {
            // Without the header's scale and text sizes nothing can be drawn.
            show_warning(header_status.message() +
                         "\nquornel を終了します。Jw_cad の外部変形から起動してください。");
            loading_ = false;
            closed = true;
            return;
        }
        // The sizes kept belong to the text type chosen before: that choice stays too.
        cbo_hm_cn.list_index = hm_cn_confirmed_;
        cbo_hm_cn.text = cbo_hm_cn.items[hm_cn_confirmed_];
        show_warning(header_status.message() + "\n前に読んだ内容をそのまま使います。");
    }
    hm_cn_confirmed_ = cbo_hm_cn.list_index;

    LayoutColumnAtStartup(column, walls, state);
    state.hasira_sd = 4;
    HasiraIti_d = 4;
    SunpoIti_d = 4;
    for (WallSide side : kWallSides) {
        LayoutKabeSun(wall(side), state);
    }
    // 「交点ごと」's check boxes start as the drawing's defaults, 「リセット」 puts them back.
    for (const FloorCheck& check : kFloorChecks)
        set_check(this->*check.box, floor_check_default(check));
    EnableFloorChoices();
    startup_trace().phase("layout");
    ListDataLoad(report_list_problems_);
    startup_trace().phase("pick lists");
    loaded_once_ = true;
    loading_ = false;
}

// Takes the header values and the crossings from TEMP.TXT and keeps the file for the echo.
// Where the file is mapped, only its first lines are read here: the rest (the selection
// Jw_cad handed over, possibly tens of megabytes) is read when it is echoed. On failure the
// file and the values read before stay as they were.
Status FrmMain::read_header() {
    Result<std::unique_ptr<FileBytes>> file = env_.fs.view_file(env_.program_dir / kHeaderFile);
    if (!file) return file.status();
    Result<HostHeader> values =
        read_host_header((*file)->view(), sunpo.MOJINO, cbo_hm_cn.list_index + 1);
    if (!values) return values.status();
    Result<std::vector<Crossing>> points = read_crossings((*file)->view());
    if (!points) return points.status();
    header_file_ = std::move(*file);
    header = *values;
    crossings = std::move(*points);
    axis_angle = read_axis_angle(header_file_->view()).value_or(0);
    EnableFloorChoices();
    return Status::success();
}

void FrmMain::cmdClose_Click() {
    closed = true;
}

// ---- pen pickers ----

void FrmMain::apply_pen_sample(const ComboBox& list, Picture& sample, const char* store) {
    const int p = list.list_index;
    // No selection shows no sample rather than a store that does not exist.
    if (p < 0 || p >= static_cast<int>(list.items.size())) {
        sample.picture.clear();
        return;
    }
    sample.picture = std::string(store) + "(" + std::to_string(p) + ")";
}

void FrmMain::cbo_h_nPenColor_Click() {
    apply_pen_sample(cbo_h_nPenColor, pic_S_PenColor[0], "pic_nPenColor");
}
void FrmMain::cbo_x_nPenColor_Click() {
    apply_pen_sample(cbo_x_nPenColor, pic_S_PenColor[1], "pic_nPenColor");
}
void FrmMain::cbo_k_nPenColor_Click() {
    apply_pen_sample(cbo_k_nPenColor, pic_S_PenColor[2], "pic_nPenColor");
}
void FrmMain::cbo_kh_nPenColor_Click() {
    apply_pen_sample(cbo_kh_nPenColor, pic_S_PenColor[3], "pic_nPenColor");
}
void FrmMain::cbo_h_nPenStyle_Click() {
    apply_pen_sample(cbo_h_nPenStyle, pic_S_PenStyle[0], "pic_nPenStyle");
}
void FrmMain::cbo_x_nPenStyle_Click() {
    apply_pen_sample(cbo_x_nPenStyle, pic_S_PenStyle[1], "pic_nPenStyle");
}
void FrmMain::cbo_k_nPenStyle_Click() {
    apply_pen_sample(cbo_k_nPenStyle, pic_S_PenStyle[2], "pic_nPenStyle");
}
void FrmMain::cbo_kh_nPenStyle_Click() {
    apply_pen_sample(cbo_kh_nPenStyle, pic_S_PenStyle[3], "pic_nPenStyle");
}
void FrmMain::cbo_nuri_nPenColor_Click() {
    apply_pen_sample(cbo_nuri_nPenColor, pic_S_PenColor[5], "pic_nPenColor");
}
void FrmMain::cbo_nuri_nPenStyle_Click() {
    apply_pen_sample(cbo_nuri_nPenStyle, pic_S_PenStyle[5], "pic_nPenStyle");
}

// A new symbol text type needs that type's sizes from the header. Start-up reads the header
// right after the registry values, so the choice made there waits for that read.
void FrmMain::cbo_hm_cn_Change() {
    if (loading_) return;
    const Status status = read_header();
    if (status) {
        hm_cn_confirmed_ = cbo_hm_cn.list_index;
        return;
    }
    // The symbol would be drawn with the sizes of the old type: keep the old choice.
    cbo_hm_cn.list_index = hm_cn_confirmed_;
    cbo_hm_cn.text =
        hm_cn_confirmed_ >= 0 && hm_cn_confirmed_ < static_cast<int>(cbo_hm_cn.items.size())
            ? cbo_hm_cn.items[hm_cn_confirmed_]
            : std::string();
    show_warning("文字種を変更できませんでした。\n" + status.message() + "\n柱記号の文字種は「" +
                 cbo_hm_cn.text + "」のままです。");
}

}  // namespace quornel
