#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_window_events: short scenarios a person would play.

    build/native/quornel --script <(echo dump) --dir DIR > dump.json
    fuzz/make_window_seeds.py dump.json fuzz/corpus/window_events

The input format is the target's: pairs of (action, control) bytes, then the action's
argument. Controls are counted in the order of the window's inventory (buttons, combo
boxes, option buttons, images), with SSTab1(0) and SSTab1(1) last.
A choice is written as its entry + 1 (the target reads entry = byte % 12 - 1).
"""
import json
import sys

ACTIONS = {"type": 0, "leave": 2, "enter": 3, "click": 4, "choose": 6, "answer": 7}
TEXTS = ["", "0", "75", "150", "-5", "600", "300.5", "１２０", "abc", "1e5", "12,5", "柱1",
         " 75 ", "99999999", "0.0000001", "-0", "\n", "C1", "100000000", ".5", "5.", "+20",
         "\u3000", "1,000", "nan", "inf", "\U0001F3DB", "C1\r\nly0", "\"", "455", "227.5", "1e308"]
KINDS = {"ComboBox", "DropDownList", "CommandButton", "OptionButton", "Image"}


def main(dump, out):
    targets = []
    for line in open(dump, encoding="utf-8"):
        o = json.loads(line)
        if o.get("kind") in KINDS:
            targets.append(o["name"] if o["index"] is None else f'{o["name"]}({o["index"]})')
    targets += ["SSTab1(0)", "SSTab1(1)"]

    def encode(steps):
        b = bytearray()
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
    for name, steps in scenarios.items():
        with open(f"{out}/{name}", "wb") as f:
            f.write(encode(steps))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
