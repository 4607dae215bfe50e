// The column types: what each completed drawing stores under its symbol in
// quornel_types.dat, and 「記号で呼出」, which brings the set of the symbol typed in 柱記号
// back exactly as 「前回値」 brings back the previous one.
#include <string>

#include "platform/text_codec.h"
#include "settings/types_data.h"
#include "ui/frm_main.h"

namespace quornel {

namespace {

constexpr std::size_t kSymbolsShown = 20;
constexpr std::size_t kDamageShown = 5;

std::string quoted(const std::string& symbol) {
    return "「" + utf8_start(symbol, 20) + "」";
}

// The symbols that can be called, newest first.
std::string stored_symbols(const TypesData& data) {
    if (data.types.empty()) {
        return "柱記号ごとの記録はまだありません。柱記号を入れて「作図」すると、"
               "その柱が柱記号ごとに記録されます。";
    }
    std::string text = "記録のある柱記号（新しい順）: ";
    for (std::size_t i = 0; i < data.types.size() && i < kSymbolsShown; ++i) {
        if (i) text += "、";
        text += quoted(data.types[i].symbol);
    }
    if (data.types.size() > kSymbolsShown) {
        text += " ほか " + std::to_string(data.types.size() - kSymbolsShown) + " 種類";
    }
    return text;
}

// Why nothing is stored under `symbol`, what is, and what of the file cannot be used (the
// symbol may be in it).
std::string unknown_symbol_message(const TypesData& data, const std::string& symbol) {
    std::string text = find_damaged_type(data, symbol)
                           ? quoted(symbol) + "の柱の記録は壊れているため、呼び出せません。"
                           : quoted(symbol) + "の柱はまだ作図していません。";
    text += "\n" + stored_symbols(data);
    if (!data.damage.empty()) {
        text += std::string("\n") + kTypesDataFile +
                " の次の部分は壊れているため使えません。次に柱記号を入れて「作図」したとき、"
                "今のファイルを " +
                kTypesBackupFile + " に残してから、読める記録だけで書き直します。";
        for (std::size_t i = 0; i < data.damage.size() && i < kDamageShown; ++i) {
            text += "\n・" + damage_text(data.damage[i]);
        }
        if (data.damage.size() > kDamageShown) {
            text += "\n・ほか " + std::to_string(data.damage.size() - kDamageShown) + " か所";
        }
    }
    return text;
}

}  // namespace

void FrmMain::KigouDataLoad() {
    last_restore_complete_ = true;
    auto refuse = [this](const std::string& message) {
        last_restore_complete_ = false;
        show_warning(strict_restore_ ? message + "\n作図を中止しました。" : message);
    };
    const std::string symbol = cboHasiraKigou.text;
    if (symbol.empty()) {
        refuse("柱記号を入れてから「記号で呼出」を押してください。");
        return;
    }
    const TypesData data = read_types_data(env_.fs, env_.program_dir);
    if (!data.problem.empty()) {
        refuse(data.problem + "\n柱記号ごとの記録は呼び出せませんでした。");
        return;
    }
    const TypeBlock* type = find_type(data, symbol);
    if (!type) {
        refuse(unknown_symbol_message(data, symbol));
        return;
    }
    ResDataRead read;
    for (int i = 0; i < kResDataLines; ++i) read.values[i] = type->values[i];
    RestoreValueSet(
        read, ValueSetOrigin{std::string(kTypesDataFile) + " にある柱記号" + quoted(type->symbol) +
                                 "の記録の次の行は使えないため、その項目は今のままです。",
                             type->lines});
}

Status FrmMain::TypesDataSave() {
    return store_type(env_.fs, env_.program_dir, res_data_values());
}

}  // namespace quornel
