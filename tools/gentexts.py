#!/usr/bin/env python3
"""Writes the console texts of the table below in both console encodings: console/texts_sjis.cpp
(Shift-JIS bytes, CP932) and console/texts_utf8.cpp (UTF-8 bytes), with console/texts.hpp declaring the
table's layout, and tests/support/texts_entries.{hpp,cpp} listing the texts with their names for the
tests. The names of the calendar (solar terms, pentads, seasonal days, the sexagenary cycle, the
national holidays) come from tools/names.py, which holds each once: from it the script also writes
sun/names.{hpp,cpp}, the library's tables of those names in UTF-8. Run it after editing either table:
    python3 tools/gentexts.py
With --check it writes nothing: it compares the files it would write with those in the tree and fails,
naming each file that differs, when any does.
"""
import pathlib
import sys

sys.dont_write_bytecode = True  # the check runs from the tests: no cache beside the table
import names  # noqa: E402

# Every list of names complete and in order: the terms 15 degrees apart from 小寒 (285), the pentads
# and seasonal days numbered from 1 and 0.
assert [lon for lon, _ in names.TERMS] == [(285 + 15 * k) % 360 for k in range(24)]
assert [n for n, _, _ in names.PENTADS] == list(range(1, 73))
assert [k for k, _ in names.SEASONAL_DAYS] == list(range(24))
SEXAGENARY = [names.STEMS[k % 10] + names.BRANCHES[k % 12] for k in range(60)]
# Each holiday's key once, the days the rules add (振替休日, 国民の休日) last.
assert len({key for key, _ in names.HOLIDAYS}) == len(names.HOLIDAYS)
assert [key for key, _ in names.HOLIDAYS[-2:]] == ["furikae", "kokumin"]

# Lead bytes of CP932's IBM extensions (0xFA-0xFC) and of NEC's selection of them (0xED, 0xEE).
IBM_EXTENSION_LEADS = {0xED, 0xEE, 0xFA, 0xFB, 0xFC}


def shift_jis_safe(name):
    """NAME with 〓 for each character that Shift-JIS lacks (睍, 鱖, 雊) or has only among the IBM
    extensions, which encoders write with different bytes (睆)."""
    out = ""
    for ch in name:
        try:
            safe = ch.encode("cp932")[0] not in IBM_EXTENSION_LEADS
        except UnicodeEncodeError:
            safe = False
        out += ch if safe else "〓"
    return out


# (C++ name, text) or (C++ name, [texts]) for a table of records. "" is an empty record.
TEXTS = [
    ("MENU", [
        "------------------------------------2013.02.02 TULVE",
        "1  年,月,日,時,分,秒 --> 太陽黄経     手入力",
        "2  年,月,日（ＵＴ）  --> 太陽黄経     ファイルデータ",
        "3  年,太陽黄経 --> 年,月,日,時,分,秒  手入力",
        "4  年,太陽黄経 --> 年,月,日(小数点)   手入力",
        "5     太陽黄経 --> 月,日（2000年固定）ファイルデータ",
        "?  説明",
        "----------------------------------------------------",
    ]),
    ("EQX_PROMPT", " 分点 (1950 or 2000 or etc. or 0:瞬時) :"),
    ("EQX_OF_DATE", "瞬時分点"),
    ("EXPLAIN", [
        "",
        "［1  年,月,日,時,分,秒 --> 太陽黄経     手入力］",
        "分点 (1950 or 2000 or etc. or 0:瞬時) : 0",
        "(JST) 年,月,日,時,分,秒 : 1978 6 10 21 20 00",
        "太陽黄経 =  79.26941",
        "(JST) 年,月,日,時,分,秒 : ↓",
        "",
        "［2  年,月,日（ＵＴ）  --> 太陽黄経     ファイルデータ］",
        "ファイルフォーマットは、以下の通りです。",
        "年>=30のときは1900年代、年<=29のときは2000年代とします。",
        "入力ファイル → 出力ファイル（拡張子 .SLG）",
        "年月日(UT)   → 年月日(UT)太陽黄経",
        "531010.21       531010.21 197.248",
        "521016.34       521016.34 203.567",
        "521024.39       521024.39 211.575",
        "------.-- の行を変換します。それ以外の行はそのまま出力。",
        "",
        "［3  年,太陽黄経 --> 年,月,日,時,分,秒  手入力］",
        "分点 (1950 or 2000 or etc. or 0:瞬時) : 0",
        "年,太陽黄経 : 1978 79.26941",
        "(JST) 年,月,日,時,分,秒 = 1978  6 10 21 20  0",
        "年,太陽黄経 : ↓",
        "",
    ]),
    ("ENTER_PROMPT", " Enterで続き :"),
    ("MODE1_PROMPT", " (JST) 年,月,日,時,分,秒 :"),
    ("MODE1_RESULT", " 太陽黄経 ="),
    ("MODE2_PROMPT", " 年月日(UT)ファイル名 :"),
    ("MODE5_PROMPT", " 太陽黄経ファイル名 :"),
    ("MODE34_PROMPT", " 年,太陽黄経 :"),
    ("MODE3_RESULT", " (JST) 年,月,日,時,分,秒 ="),
    ("MODE4_RESULT", " (UT) 年,月,日(小数点) ="),
    # After a file mode, on standard error when it is a terminal: "DATA.SLG: 3 行".
    ("FILE_DONE_UNIT", " 行"),
    # Mode 2 also counts the lines that got a longitude: "DATA.SLG: 3 行 (黄経 2 行)".
    ("FILE_DONE_CONVERTED", " (黄経 "),
    # A typed line whose field cannot be used: the text, then the field as typed.
    ("NOT_A_NUMBER", " 数値として読めません: "),
    ("PAST_COLUMN_40", " 40桁目までに収めてください: "),
    # A year with a fraction in menus 3 and 4, then the field as typed.
    ("YEAR_NOT_WHOLE", " 年は整数で入力してください: "),
    # A menu answer that names no mode, then the answer as typed; the menu comes again.
    ("MENU_NO_MODE", " メニューにない答えです: "),
    # --help
    ("HELP", [
        "solarlon  太陽黄経の計算（日時 → 太陽黄経、太陽黄経 → 日時）",
        "",
        "使い方: solarlon [オプション]",
        "        solarlon terms 年 [--theory T] [--scale S] [--equinox E] [--zone Z] [--format F]",
        "        solarlon at 日時|now [--theory T] [--scale S] [--equinox E] [--zone Z] [--format F]",
        "        solarlon when 年 太陽黄経 [--theory T] [--scale S] [--equinox E] [--zone Z] [--format F]",
        "        solarlon kou 年 [--theory T] [--zone Z] [--format F]",
        "        solarlon zassetsu 年 [--theory T] [--zone Z] [--format F]",
        "        solarlon holidays 年 [--format F]",
        "  terms           その年の二十四節気（小寒 285° から冬至 270° まで）の日時",
        "  at              日時の太陽黄経。日時は ISO 8601（2027-12-22T11:40、2027-12-22T02:40Z、",
        "                  2027-12-22T11:40:05.5+09:00）、時差がなければ JST、日付だけなら 0 時",
        "  when            その年に太陽黄経がその値になる日時（年はどちらの理論でも 1600 から 3000 まで）",
        "  kou             その年の七十二候（番号、始まりの黄経、名と読み、日時）",
        "  zassetsu        その年の雑節（節分、彼岸、社日、八十八夜、入梅、半夏生、土用と丑の日など）",
        "  holidays        その年の国民の祝日と休日（振替休日、国民の休日、特別の法律による休日）、JST の日。",
        "                  春分の日と秋分の日は apparent で太陽黄経が 0° と 180° になる日（年は 1948 から 3000 まで）",
        "  --theory T      太陽の理論: apparent（既定）は暦の視黄経（光行差と章動を含み、真黄道と",
        "                  瞬時の真分点による。ERFA の IAU 2006/2000A、1600 年から 3000 年まで）。classic は",
        "                  Newcomb の理論による幾何学的黄経（平均分点、対話のモードと同じ答え）。",
        "                  ERFA なしで作ったプログラムには apparent がなく、既定のままでは終了状態 2",
        "                  で断ります。そのときは --theory classic を付けます",
        "  --equinox E     分点: date（瞬時分点、既定）、または 1950、2000 などの年（年は classic だけ）",
        "  --zone Z        時差: JST（+09:00、既定）、UTC、Z、±H、±HH、±HHMM、±HH:MM",
        "  --scale S       時刻系: utc（既定、うるう秒つき）、tt（地球時、apparent だけ、時差なし）",
        "  --format F      text（既定）、csv（見出しの行つき）、json。csv と json はいつも UTF-8",
        "                  terms、kou、zassetsu、holidays は ics（カレンダーに取り込む iCalendar、UTF-8）も",
        "  --utf8, --sjis  文字コードを UTF-8 に、Shift-JIS にする",
        "                  どちらもないとき、対話は標準入出力が端末でロケールが UTF-8 なら UTF-8、",
        "                  それ以外（パイプ、ファイル）は Shift-JIS。この説明、コマンドの text 出力、",
        "                  標準エラーへの知らせは、ロケールが UTF-8 なら UTF-8、それ以外は Shift-JIS",
        "  -h, --help      この説明を表示して終了",
        "  -V, --version   版を表示して終了",
        "",
        "引数がなければメニューが出ます。番号を入れ、分点（1950、2000 などの年、0 は瞬時分点）を答えます。",
        "  1  日時（JST）を入力 → 太陽黄経",
        "  2  年月日（UT）のファイル → 太陽黄経を書き加えた .SLG ファイル",
        "  3  年と太陽黄経を入力 → その日時（JST）",
        "  4  年と太陽黄経を入力 → その年月日（UT、日は小数点つき）",
        "  5  太陽黄経のファイル → 2000年の月日時（UT）の .THJ ファイル",
        "  ?  説明の画面",
        "メニューと、モード 1、3、4 の入力の問いに空行を入れると終了します。分点の問いでは",
        "もう一度問い、ファイル名の問いでは *ERR* の行で終わります。",
        "",
        "終了状態: 0 正常終了、1 エラー（*ERR* の行）、2 引数の誤り",
    ]),
    # The 24 solar terms from 小寒 (285 degrees) on, and the degree sign of the commands' text output.
    ("TERMS", [name for _, name in names.TERMS]),
    ("DEGREE", "°"),
    # A year in menus 3 and 4 in which the Sun's passage of the longitude cannot be placed, then the
    # year as typed.
    ("YEAR_OUT_OF_RANGE", " 年が範囲外です: "),
    # A longitude in menus 3 and 4 whose passage cannot be placed in a year that places others, then
    # the longitude as typed.
    ("LONGITUDE_NOT_PLACED", " 黄経の通過が求まりません: "),
    # The first line of the commands' text output, one a theory: HEADINGS[i] when the theory named
    # HEADING_THEORIES[i] answers. A new theory adds its name and its heading here.
    ("HEADING_THEORIES", ["apparent", "classic"]),
    ("HEADINGS", ["視黄経（theory apparent: 真黄道と瞬時の真分点、ERFA の IAU 2006/2000A）",
                  "幾何黄経（theory classic: Newcomb の太陽表、平均分点）"]),
    # After the first line, before the zone of the times below it (UTC, +09:00) or TT.
    ("TIME_HEAD", "  時刻 "),
    # On standard error after a passage that falls after the year asked (the year before it).
    ("NOT_IN_YEAR", " 年のうちには達しません（年明けの最初の通過です）"),
    # The 72 pentads from 東風解凍 (315 degrees) on, for the commands' text output in Shift-JIS (the
    # UTF-8 output takes the library's names), and their readings.
    ("KOU", [shift_jis_safe(name) for _, name, _ in names.PENTADS]),
    ("KOU_READINGS", [reading for _, _, reading in names.PENTADS]),
    # The seasonal days, in the library's order of kinds, and the sexagenary cycle of days from 甲子.
    ("ZASSETSU", [name for _, name in names.SEASONAL_DAYS]),
    ("KANSHI", SEXAGENARY),
    # The national holidays and the days the law adds, in the library's order of names, and the days
    # of the week from Sunday, for the text output of holidays.
    ("HOLIDAYS", [shift_jis_safe(name) for _, name in names.HOLIDAYS]),
    ("WEEKDAYS", list("日月火水木金土")),
    # Names of the calendars of --format ics.
    ("ICS_TERMS", "二十四節気"),
    ("ICS_KOU", "七十二候"),
    ("ICS_ZASSETSU", "雑節"),
    ("ICS_HOLIDAYS", "国民の祝日・休日"),
    ("ICS_LONGITUDE", "太陽黄経"),
]

HEX = set("0123456789abcdefABCDEF")

ENCODINGS = [("sjis", "cp932", "Shift-JIS (CP932)", "SJIS"), ("utf8", "utf-8", "UTF-8", "UTF8")]


def literal(text, codec):
    """A C++ literal of the text's bytes; a \\x escape never runs into a following hex digit."""
    out, after_escape = '"', False
    for b in text.encode(codec):
        ch = chr(b)
        if b >= 0x80 or b < 0x20:
            out += "\\x%02x" % b
            after_escape = True
            continue
        if after_escape and ch in HEX:
            out += '" "'
        after_escape = False
        out += "\\" + ch if ch in '"\\' else ch
    return out + '"'


def rows():
    """(name, text) of every text, in table order; a table of records gives NAME[i]."""
    for name, value in TEXTS:
        if isinstance(value, list):
            for i, t in enumerate(value):
                yield "%s[%d]" % (name, i), t
        else:
            yield name, value


def source(suffix, codec, label, var):
    out = ["// texts_%s.cpp  Console texts of the program, %s bytes." % (suffix, label),
           "// Generated by tools/gentexts.py; edit the table there and run it again.",
           '#include "console/texts.hpp"', "", "namespace solarlon::console {", "",
           "// One text a line, its bytes as the generator writes them.", "// clang-format off",
           "const Texts %s = {" % var]
    for name, value in TEXTS:
        if not isinstance(value, list):
            out.append("    // %s: %s" % (name, value))
            out.append("    {%s, %d}," % (literal(value, codec), len(value.encode(codec))))
            continue
        out.append("    {  // %s" % name)
        for t in value:
            out.append("        // %s" % (t if t else "(empty)"))
            out.append("        {%s, %d}," % (literal(t, codec), len(t.encode(codec))))
        out.append("    },")
    out += ["};", "// clang-format on", "", "}  // namespace solarlon::console", ""]
    return "\n".join(out)


def header():
    n = sum(1 for _ in rows())
    out = ["// texts.hpp  Console texts of the program, one table in each console encoding.",
           "// Generated by tools/gentexts.py; edit the table there and run it again.",
           "#ifndef SOLARLON_CONSOLE_TEXTS_HPP", "#define SOLARLON_CONSOLE_TEXTS_HPP", "",
           "#include <string_view>", "", "namespace solarlon::console {", "",
           "struct Texts {"]
    for name, value in TEXTS:
        if isinstance(value, list):
            out.append("    std::string_view %s[%d];" % (name, len(value)))
        else:
            out.append("    std::string_view %s;" % name)
    out += ["};", "",
            "extern const Texts SJIS;  // Shift-JIS (CP932) bytes",
            "extern const Texts UTF8;  // the same texts as UTF-8 bytes", "",
            "}  // namespace solarlon::console", "", "#endif", ""]
    return "\n".join(out)


def entries_header():
    n = sum(1 for _ in rows())
    out = ["// texts_entries.hpp  Every console text of a table with its name, in table order, for the tests.",
           "// Generated by tools/gentexts.py; edit the table there and run it again.",
           "#ifndef SOLARLON_TESTS_SUPPORT_TEXTS_ENTRIES_HPP", "#define SOLARLON_TESTS_SUPPORT_TEXTS_ENTRIES_HPP", "",
           "#include <cstddef>", "#include <string_view>", "", '#include "console/texts.hpp"', "",
           "namespace solarlon::console {", "",
           "struct Entry {", "    const char* name;", "    std::string_view text;", "};",
           "inline constexpr std::size_t kTextCount = %d;" % n,
           "void entries(const Texts& table, Entry (&out)[kTextCount]);", "",
           "}  // namespace solarlon::console", "", "#endif", ""]
    return "\n".join(out)


def entries():
    out = ["// entries  The texts of a table with their names, for the tests.",
           "// Generated by tools/gentexts.py; edit the table there and run it again.",
           '#include "tests/support/texts_entries.hpp"', "", "namespace solarlon::console {", "",
           "void entries(const Texts& t, Entry (&out)[kTextCount]) {"]
    for i, (name, _) in enumerate(rows()):
        out.append('    out[%d] = {"%s", t.%s};' % (i, name, name))
    out += ["}", "", "}  // namespace solarlon::console", ""]
    return "\n".join(out)


def names_header():
    out = ["// names.hpp  The names of the Sun's calendar, UTF-8: the solar terms, the pentads, the seasonal days",
           "//            and the sexagenary cycle of days; the national holidays. Private to sun/.",
           "// Generated by tools/gentexts.py from tools/names.py; edit the names there and run it again.",
           "#ifndef SOLARLON_SUN_NAMES_HPP", "#define SOLARLON_SUN_NAMES_HPP", "",
           "namespace solarlon::sun::detail {", "",
           "struct TermName {", "    const char* name;", "    double longitude;  // degrees", "};",
           "struct PentadName {", "    const char* name;     // kanji", "    const char* reading;  // hiragana",
           "};", "struct HolidayName {", "    const char* key;  // ASCII, stable", "    const char* name;",
           "};", "",
           "// The solar terms from 小寒 (285 degrees) on.",
           "extern const TermName kTermNames[%d];" % len(names.TERMS),
           "// The pentads from 東風解凍 (315 degrees) on: pentad N at N - 1.",
           "extern const PentadName kPentadNames[%d];" % len(names.PENTADS),
           "// The seasonal days by SeasonalDay::kind, from 節分.",
           "extern const char* const kSeasonalDayNames[%d];" % len(names.SEASONAL_DAYS),
           "// The sexagenary cycle of days: place K at K, from 甲子.",
           "extern const char* const kSexagenaryNames[%d];" % len(SEXAGENARY),
           "// The national holidays, then the days the law adds (振替休日, 国民の休日).",
           "extern const HolidayName kHolidayNames[%d];" % len(names.HOLIDAYS), "",
           "}  // namespace solarlon::sun::detail", "", "#endif", ""]
    return "\n".join(out)


def names_source():
    u = "utf-8"
    out = ["// names.cpp  The names of the Sun's calendar, UTF-8 bytes.",
           "// Generated by tools/gentexts.py from tools/names.py; edit the names there and run it again.",
           '#include "names.hpp"', "", "namespace solarlon::sun::detail {", "",
           "// One name a line, its bytes as the generator writes them.", "// clang-format off",
           "const TermName kTermNames[%d] = {" % len(names.TERMS)]
    out += ["    {%s, %.1f},  // %s" % (literal(name, u), lon, name) for lon, name in names.TERMS]
    out += ["};", "", "const PentadName kPentadNames[%d] = {" % len(names.PENTADS)]
    out += ["    {%s, %s},  // %d %s %s" % (literal(name, u), literal(reading, u), n, name, reading)
            for n, name, reading in names.PENTADS]
    out += ["};", "", "const char* const kSeasonalDayNames[%d] = {" % len(names.SEASONAL_DAYS)]
    out += ["    %s,  // %d %s" % (literal(name, u), k, name) for k, name in names.SEASONAL_DAYS]
    out += ["};", "", "const char* const kSexagenaryNames[%d] = {" % len(SEXAGENARY)]
    out += ["    %s,  // %d %s" % (literal(name, u), k, name) for k, name in enumerate(SEXAGENARY)]
    out += ["};", "", "const HolidayName kHolidayNames[%d] = {" % len(names.HOLIDAYS)]
    out += ['    {"%s", %s},  // %d %s' % (key, literal(name, u), k, name)
            for k, (key, name) in enumerate(names.HOLIDAYS)]
    out += ["};", "// clang-format on", "", "}  // namespace solarlon::sun::detail", ""]
    return "\n".join(out)


def generated():
    """(path from the repository root, text) of every file the tables give."""
    out = [("console/texts_%s.cpp" % suffix, source(suffix, codec, label, var))
           for suffix, codec, label, var in ENCODINGS]
    out.append(("console/include/console/texts.hpp", header()))
    out.append(("tests/support/texts_entries.hpp", entries_header()))
    out.append(("tests/support/texts_entries.cpp", entries()))
    out.append(("sun/names.hpp", names_header()))
    out.append(("sun/names.cpp", names_source()))
    return out


def main(argv):
    root = pathlib.Path(__file__).resolve().parent.parent
    if argv not in ([], ["--check"]):
        print("usage: python3 tools/gentexts.py [--check]", file=sys.stderr)
        return 2
    if argv == ["--check"]:
        drifted = []
        for name, text in generated():
            path = root / name
            if not path.is_file():
                drifted.append("%s is missing" % name)
            elif path.read_bytes() != text.encode("utf-8"):
                drifted.append("%s differs from what tools/gentexts.py writes" % name)
        for line in drifted:
            print(line + ": run python3 tools/gentexts.py")
        if not drifted:
            print("ok: the console texts and the calendar's names are as tools/gentexts.py writes them")
        return 1 if drifted else 0
    for name, text in generated():
        (root / name).write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
