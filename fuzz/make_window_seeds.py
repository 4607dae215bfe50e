#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_window_events: short scenarios a person would play.

    build/native/quornel --script <(echo dump) --dir DIR > dump.json
    fuzz/make_window_seeds.py dump.json fuzz/corpus/window_events

The input format is the target's: first the crossings of TEMP.TXT (a kind byte, 0 none,
1 a grid, 2 points anywhere, then the kind's own bytes) and the byte of the previous values
(bit 0: 「交点ごと」, bits 1 to 3 its three check boxes); then pairs of (action, control) bytes,
then the action's argument. Controls are counted in the order of the window's inventory
(buttons, combo boxes, option buttons, check boxes, images), with SSTab1(0) and SSTab1(1)
last. A choice is written as its entry + 1 (the target reads entry = byte % 12 - 1).
"""
import json
import sys

ACTIONS = {"type": 0, "leave": 2, "enter": 3, "click": 4, "choose": 6, "answer": 7}
TEXTS = ["", "0", "75", "150", "-5", "600", "300.5", "１２０", "abc", "1e5", "12,5", "柱1",
         " 75 ", "99999999", "0.0000001", "-0", "\n", "C1", "100000000", ".5", "5.", "+20",
         "\u3000", "1,000", "nan", "inf", "\U0001F3DB", "C1\r\nly0", "\"", "455", "227.5", "1e308"]
KINDS = {"ComboBox", "DropDownList", "CommandButton", "OptionButton", "CheckBox", "Image"}

# TEMP.TXT's crossings: none; a grid (columns - 1, rows - 1, the spacings across and up in
# steps of 500 over 500, the crossings left out (bit n: those whose place in the grid is n
# modulo 8), noise or not and then a byte of noise for each
# crossing after the first); points anywhere (their number - 1, then x and y of each in steps
# of 250).
NO_CROSSINGS = [0]
GRID_3_BY_2 = [1, 2, 1, 10, 8, 0, 0]
GRID_4_BY_3_NOISY = [1, 3, 2, 11, 9, 0, 1] + [8, 4, 1, 7, 2, 6, 3, 5, 0, 8, 4]
GRID_3_BY_3_NO_CENTRE = [1, 2, 2, 8, 8, 1 << 4, 0]
SCATTERED = [2, 4, 24, 0, 0, 20, 24, 20, 200, 12, 10, 10]
PREVIOUS_CROSSING = 0
PREVIOUS_FLOOR = 0b1011  # 交点ごと, 壁をつなぐ, 寸法は最初の交点だけ


def main(dump, out):
    targets = []
    for line in open(dump, encoding="utf-8"):
        o = json.loads(line)
        if o.get("kind") in KINDS:
            targets.append(o["name"] if o["index"] is None else f'{o["name"]}({o["index"]})')
    targets += ["SSTab1(0)", "SSTab1(1)"]

    def encode(crossings, previous, steps):
        b = bytearray(crossings) + bytes([previous])
        for action, control, *arg in steps:
            b += bytes([ACTIONS[action], targets.index(control) if control else 0])
            if action == "type":
                text = arg[0]
                if text in TEXTS:
                    b.append(TEXTS.index(text))
                else:
                    raw = text.encode("utf-8")
                    b.append(0xE0 + len(raw) - 1)
                    b += raw
            elif action in ("choose", "answer"):
                b.append(arg[0])
        return bytes(b)

    wall = lambda side, split: [("type", f"{side}(2)", "150"), ("leave", f"{side}(2)"), ("click", split)]
    scenarios = {
        "typical_column": [("type", "cboHsnXG", "600"), ("leave", "cboHsnXG"), ("click", "cmdWriHX"),
                           ("type", "cboHsnYG", "455"), ("leave", "cboHsnYG"), ("click", "cmdWriHY")]
        + wall("cboKabeSunUp", "cmdWriKU") + wall("cboKabeSunDOWN", "cmdWriKD")
        + wall("cboKabeSunRight", "cmdWriKR") + wall("cboKabeSunLeft", "cmdWriKL")
        + [("type", "cboHasiraKigou", "柱1"), ("leave", "cboHasiraKigou"), ("click", "cmdSakuzu")],
        "previous_values": [("click", "cmdResData"), ("click", "cmdSakuzu")],
        "corner_wall_centre": [("click", "img_hasira_s(0)"), ("click", "optSin(1)"),
                               ("type", "cboKabeSunRight(2)", "120"), ("leave", "cboKabeSunRight(2)"),
                               ("click", "optSunpoIti(2)"), ("click", "optHasiraMoji(0)"), ("click", "cmdSakuzu")],
        "reset_yes_then_pens": [("answer", None, 1), ("click", "cmdReset"), ("click", "SSTab1(1)"),
                                ("choose", "cbo_hm_cn", 10), ("choose", "cbo_k_ly", 4), ("click", "cmdS_hozon"),
                                ("answer", None, 1), ("click", "cmdS_reset"), ("click", "SSTab1(0)"),
                                ("click", "cmdSakuzu")],
        "odd_texts": [("type", "cboM_k", "abc"), ("enter", "cboM_k"), ("type", "cboHsnXG", "12,5"),
                      ("leave", "cboHsnXG"), ("type", "cboKabeSunLeft(1)", "１２０"), ("enter", "cboKabeSunLeft(1)"),
                      ("type", "cboHasiraKigou", "C1\r\nly0"), ("click", "cmdSakuzu")],
        "cancel": [("type", "cboHsnXG", "600"), ("click", "cmdClose")],
        "fills": [("click", "SSTab1(1)"), ("choose", "cbo_nuri_hasira", 3), ("choose", "cbo_nuri_kabe", 2),
                  ("choose", "cbo_nuri_pitch", 1), ("click", "SSTab1(0)"),
                  ("type", "cboHsnXG", "3000000"), ("leave", "cboHsnXG"), ("click", "cmdWriHX"),
                  ("type", "cboHsnYG", "600"), ("leave", "cboHsnYG"), ("click", "cmdWriHY"),
                  ("type", "cboKabeSunUp(2)", "150"), ("leave", "cboKabeSunUp(2)"), ("click", "cmdWriKU"),
                  ("click", "cmdSakuzu"), ("click", "SSTab1(1)"), ("choose", "cbo_nuri_hasira", 2),
                  ("click", "SSTab1(0)"), ("click", "cmdSakuzu")],
    }
    column = [("type", "cboHsnXG", "600"), ("leave", "cboHsnXG"), ("click", "cmdWriHX"),
              ("type", "cboHsnYG", "600"), ("leave", "cboHsnYG"), ("click", "cmdWriHY")]
    floors = {
        "whole_floor": (GRID_3_BY_2, PREVIOUS_CROSSING, column + [("click", "img_hasira_s(9)")]
                        + wall("cboKabeSunUp", "cmdWriKU") + wall("cboKabeSunRight", "cmdWriKR")
                        + [("click", "chkSunpoHitotu"), ("click", "cmdSakuzu")]),
        "whole_floor_unjoined_filled": (
            GRID_4_BY_3_NOISY, PREVIOUS_CROSSING,
            column + [("click", "img_hasira_s(9)"), ("click", "chkKabeTunagu"),
                      ("click", "chkGaisyuKabe"), ("type", "cboM_k", "20"), ("leave", "cboM_k")]
            + wall("cboKabeSunUp", "cmdWriKU") + wall("cboKabeSunDOWN", "cmdWriKD")
            + wall("cboKabeSunRight", "cmdWriKR") + wall("cboKabeSunLeft", "cmdWriKL")
            + [("click", "SSTab1(1)"), ("choose", "cbo_nuri_kabe", 3), ("click", "SSTab1(0)"),
               ("click", "cmdSakuzu")]),
        "whole_floor_previous": (GRID_3_BY_2, PREVIOUS_FLOOR,
                                 [("click", "cmdResData"), ("click", "chkKabeTunagu"),
                                  ("click", "optSin(1)"), ("click", "chkKabeTunagu"),
                                  ("click", "cmdSakuzu")]),
        "whole_floor_previous_one_crossing": (NO_CROSSINGS, PREVIOUS_FLOOR,
                                              [("click", "cmdResData"), ("click", "cmdSakuzu")]),
        "whole_floor_refused": (GRID_3_BY_3_NO_CENTRE, PREVIOUS_CROSSING,
                                column + [("click", "img_hasira_s(9)")]
                                + wall("cboKabeSunUp", "cmdWriKU") + wall("cboKabeSunRight", "cmdWriKR")
                                + [("click", "cmdSakuzu"), ("click", "img_hasira_s(4)"),
                                   ("click", "cmdSakuzu")]),
        "scattered_points": (SCATTERED, PREVIOUS_CROSSING,
                             column + [("click", "img_hasira_s(9)"), ("click", "cmdSakuzu"),
                                       ("click", "cmdResData"), ("click", "cmdSakuzu")]),
    }
    for name, steps in scenarios.items():
        with open(f"{out}/{name}", "wb") as f:
            f.write(encode(NO_CROSSINGS, PREVIOUS_CROSSING, steps))
    for name, (crossings, previous, steps) in floors.items():
        with open(f"{out}/{name}", "wb") as f:
            f.write(encode(crossings, previous, steps))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
