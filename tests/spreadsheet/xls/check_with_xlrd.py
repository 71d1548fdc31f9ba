#!/usr/bin/python3
"""Opens an .xls file with xlrd (formatting_info=True) and compares what it
sees with the expectations the test wrote beside it: values, number
formats, fonts, fills and borders through the palette, alignment, merges,
column widths, row heights and the print area. Exit status 0 when all
agree; otherwise each difference is printed."""

import json
import sys

import xlrd

TYPES = {xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number", xlrd.XL_CELL_BOOLEAN: "bool",
         xlrd.XL_CELL_ERROR: "error", xlrd.XL_CELL_BLANK: "blank", xlrd.XL_CELL_EMPTY: "empty",
         xlrd.XL_CELL_DATE: "number"}


def rgb(book, index):
    colour = book.colour_map.get(index)
    return list(colour) if colour is not None else None


def main(path, expect_path):
    with open(expect_path, encoding="utf-8") as f:
        expect = json.load(f)
    book = xlrd.open_workbook(path, formatting_info=True)
    problems = []

    def check(what, got, want):
        if got != want:
            problems.append(f"{what}: xlrd sees {got!r}, written {want!r}")

    check("sheet names", [s.name for s in book.sheets()], [s["name"] for s in expect["sheets"]])
    for index, want_sheet in enumerate(expect["sheets"]):
        sheet = book.sheet_by_index(index)
        name = want_sheet["name"]
        check(f"{name}: hidden", sheet.visibility != 0, want_sheet["hidden"])
        for cell in want_sheet["cells"]:
            r, c = cell["r"], cell["c"]
            where = f"{name}!R{r + 1}C{c + 1}"
            got = sheet.cell(r, c)
            check(f"{where} type", TYPES.get(got.ctype), cell["type"])
            if cell["type"] in ("text", "number", "error"):
                check(f"{where} value", got.value, cell["value"])
            elif cell["type"] == "bool":
                check(f"{where} value", bool(got.value), cell["value"])
            xf = book.xf_list[sheet.cell_xf_index(r, c)]
            check(f"{where} number format", book.format_map[xf.format_key].format_str, cell["format"])
            font = book.font_list[xf.font_index]
            check(f"{where} font", [font.name, font.height, bool(font.bold), bool(font.italic),
                                    rgb(book, font.colour_index)], cell["font"])
            bg = xf.background
            check(f"{where} fill", [bg.fill_pattern, rgb(book, bg.pattern_colour_index)], cell["fill"])
            b = xf.border
            check(f"{where} borders",
                  [[b.left_line_style, rgb(book, b.left_colour_index) if b.left_line_style else None],
                   [b.right_line_style, rgb(book, b.right_colour_index) if b.right_line_style else None],
                   [b.top_line_style, rgb(book, b.top_colour_index) if b.top_line_style else None],
                   [b.bottom_line_style, rgb(book, b.bottom_colour_index) if b.bottom_line_style else None]],
                  cell["borders"])
            a = xf.alignment
            check(f"{where} alignment", [a.hor_align, a.vert_align, a.indent_level, bool(a.text_wrapped)],
                  cell["align"])
        check(f"{name}: merges", sorted(list(m) for m in sheet.merged_cells), sorted(want_sheet["merges"]))
        for col, width in want_sheet["widths"].items():
            info = sheet.colinfo_map.get(int(col))
            check(f"{name}: width of column {col}", info.width if info else None, width)
        for row, (height, custom) in want_sheet["heights"].items():
            info = sheet.rowinfo_map.get(int(row))
            check(f"{name}: height of row {row}",
                  [info.height, bool(info.height_mismatch)] if info else None, [height, custom])
        areas = [n for n in book.name_map.get("print_area", []) if n.scope == index]
        got_area = list(areas[0].area2d()[1:]) if areas else None
        check(f"{name}: print area", got_area, want_sheet["print_area"])

    for p in problems:
        print(p)
    print(f"xlrd {xlrd.__VERSION__}: {len(problems)} difference(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
