#include "report/rtf_reader.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "report/rtf_writer.h"

namespace norvexa {
namespace {

// A Writer 7.4 document as LibreOffice saves it: a heading, a paragraph with an italic
// run, an accented letter and a Greek one, a two-row table, and the destinations a
// reader must pass over.
constexpr const char* libreoffice_document = R"({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;}{\f2\fswiss\fprq2\fcharset0 Arial;}{\f3\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}{\f4\fswiss\fprq2\fcharset0 Liberation Sans{\*\falt Arial};}{\f5\fnil\fprq2\fcharset0 Noto Sans CJK SC;}}
{\colortbl;\red0\green0\blue0;\red128\green128\blue128;}
{\stylesheet{\s0\snext0\dbch\af5\langfe2052\dbch\af6\afs24\alang1081\loch\f3\fs24\lang1040 Normal;}
{\s15\sbasedon0\snext16\dbch\af5\langfe2052\dbch\af6\afs28\loch\f4\fs28 Heading;}
{\s16\sbasedon0\snext16\sl276\slmult1\sb0\sa140 Text Body;}
}{\*\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}{\info{\author Ufficio tecnico}{\creatim\yr2024\mo3\dy5\hr10\min12}{\revtim\yr2024\mo3\dy5\hr10\min15}{\printim\yr0\mo0\dy0\hr0\min0}}{\*\userprops}\deftab709
\hyphauto1\viewscale100
{\*\pgdsctbl
{\pgdsc0\pgdscuse451\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\margtsxn1134\margbsxn1134\pgdscnxt0 Default Page Style;}}
\formshade\paperh16838\paperw11906\margl1134\margr1134\margt1134\margb1134\sectd\sbknone\pgndec\sftnnar\saftnnrlc\sectunlocked1\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\margtsxn1134\margbsxn1134\ftnbj\ftnstart1\ftnrstcont\ftnnar\aenddoc\aftnrstcont\aftnstart1\aftnnrlc
{\*\ftnsep\chftnsep}\pgndec\pard\plain \s15\rtlch\af6\afs28 \ltrch\lang1040\langfe2052\hich\af4\loch\keepn\sb240\sa120\qc\ltrpar\dbch\af5\langfe2052\dbch\af6\afs28\loch\f4\fs28\lang1040{\b\hich\af4\loch\rtlch \ltrch\loch\fs32\loch\f4
Verifica a taglio}
\par \pard\plain \s16\sl276\slmult1\sb0\sa140\ql\ltrpar\loch\f3\fs24\lang1040{\rtlch \ltrch\loch
La resistenza di calcolo V}{\i\rtlch \ltrch\loch
rd1}{\rtlch \ltrch\loch
 \'e8 quella senza armatura a taglio; si usa \u964\'3fRd.}
\par \trowd\trql\trleft0\ltrrow\trpaddft3\trpaddt0\trpaddfl3\trpaddl0\trpaddfb3\trpaddb0\trpaddfr3\trpaddr0\clbrdrt\brdrs\brdrw10\brdrcf2\clbrdrl\brdrs\brdrw10\brdrcf2\clbrdrb\brdrs\brdrw10\brdrcf2\cellx4819\clbrdrt\brdrs\brdrw10\brdrcf2\clbrdrl\brdrs\brdrw10\brdrcf2\clbrdrb\brdrs\brdrw10\brdrcf2\clbrdrr\brdrs\brdrw10\brdrcf2\cellx9638\pgndec\pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang1040\langfe2052\hich\af3\loch\widctlpar\intbl\ql\ltrpar\loch\f3\fs24\lang1040{\b\rtlch \ltrch\loch
Grandezza}\cell\pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang1040\langfe2052\hich\af3\loch\widctlpar\intbl\ql\ltrpar\loch\f3\fs24\lang1040{\b\rtlch \ltrch\loch
Valore}\cell\row\pgndec\pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang1040\langfe2052\hich\af3\loch\widctlpar\intbl\ql\ltrpar\loch\f3\fs24\lang1040{\rtlch \ltrch\loch
k}\cell\pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang1040\langfe2052\hich\af3\loch\widctlpar\intbl\ql\ltrpar\loch\f3\fs24\lang1040{\rtlch \ltrch\loch
1,14}\cell\row\pgndec\pard\plain \s16\sl276\slmult1\sb0\sa140\ql\ltrpar\loch\f3\fs24\lang1040{{\*\bkmkstart fine}\rtlch \ltrch\loch
Fine.{\*\bkmkend fine}}
\par })";

RtfRun run(std::string text, bool bold = false, bool italic = false, bool underline = false, double size = 12,
           std::string family = "") {
    return {std::move(text), bold, italic, underline, size, std::move(family)};
}

std::string joined(const RtfDocument& document) {
    std::string text;
    for (const auto& line : document.texts()) text += line + "\n";
    return text;
}

bool valid_utf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();)
        if (!next_code_point(text, i)) return false;
    return true;
}

TEST(RtfReader, ReadsBackWhatTheReportWriterWrites) {
    const std::vector<std::string> lines = {
        "",
        "RELAZIONE DI CALCOLO",
        "Epsilon As1=10%°      Sigma As1=N/mmq 373,9",
        "perché è già più {grande} \\ di €",
        "γ ε α τ φ σ — “quoted”",
        "1 strato",  // a line starting with a digit right after a control word
        "emoji \xF0\x9F\x98\x80 and CJK \xE4\xB8\xAD",
        "",
    };
    const RtfDocument document = read_rtf(rtf_document(lines));
    EXPECT_TRUE(document.rtf);
    EXPECT_TRUE(document.intact);
    EXPECT_EQ(document.texts(), lines);
    for (const auto& paragraph : document.paragraphs)
        for (const auto& shown : paragraph.runs) {
            EXPECT_EQ(shown.family, "Courier New");
            EXPECT_EQ(shown.size, 10);
            EXPECT_FALSE(shown.bold || shown.italic || shown.underline);
        }
}

TEST(RtfReader, CharacterFormatIsScopedByGroups) {
    const RtfDocument document = read_rtf(
        R"({\rtf1\ansi{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}}\f0\fs20 a{\b b{\i c}d}e\b f\b0 g)"
        R"(\ul h\ulnone i\ul j\ul0 k{\uldb l}\plain m\f1\fs36 n{\f7 o}\par})");
    ASSERT_EQ(document.paragraphs.size(), 1u);
    const std::vector<RtfRun> expected = {
        run("a", false, false, false, 10, "Arial"),       run("b", true, false, false, 10, "Arial"),
        run("c", true, true, false, 10, "Arial"),         run("d", true, false, false, 10, "Arial"),
        run("e", false, false, false, 10, "Arial"),       run("f", true, false, false, 10, "Arial"),
        run("g", false, false, false, 10, "Arial"),       run("h", false, false, true, 10, "Arial"),
        run("i", false, false, false, 10, "Arial"),       run("j", false, false, true, 10, "Arial"),
        run("k", false, false, false, 10, "Arial"),       run("l", false, false, true, 10, "Arial"),
        run("m", false, false, false, 12, "Arial"),       run("n", false, false, false, 18, "Courier New"),
        run("o", false, false, false, 18, ""),
    };
    EXPECT_EQ(document.paragraphs[0].runs, expected);
}

TEST(RtfReader, FontTablesWithAndWithoutEntryGroups) {
    const struct {
        const char* name;
        const char* rtf;
        const char* family;
    } cases[] = {
        {"entry groups", R"({\rtf1{\fonttbl{\f0\froman Times New Roman;}{\f2\fnil Symbol;}}\f2 x})", "Symbol"},
        {"flat, as TextEdit writes", R"({\rtf1{\fonttbl\f0\fswiss Helvetica;\f2\fnil Menlo;}\f2 x})", "Menlo"},
        {"alternative name skipped", R"({\rtf1{\fonttbl{\f2 Liberation Serif{\*\falt Times};}}\f2 x})", "Liberation Serif"},
        {"accented name", R"({\rtf1{\fonttbl{\f2 Caract\'e8re;}}\f2 x})", "Caractère"},
        {"default font", R"({\rtf1\deff2{\fonttbl{\f2 Garamond;}}x})", "Garamond"},
        {"no entry closing ';'", R"({\rtf1{\fonttbl{\f2 Garamond}}\f2 x})", "Garamond"},
    };
    for (const auto& c : cases) {
        const RtfDocument document = read_rtf(c.rtf);
        ASSERT_EQ(document.paragraphs.size(), 1u) << c.name;
        ASSERT_EQ(document.paragraphs[0].runs.size(), 1u) << c.name;
        EXPECT_EQ(document.paragraphs[0].runs[0].family, c.family) << c.name;
        EXPECT_EQ(document.paragraphs[0].runs[0].text, "x") << c.name;
    }
}

TEST(RtfReader, CharactersEscapesAndUnicodeFallbacks) {
    const struct {
        const char* rtf;
        const char* text;
    } cases[] = {
        {R"(\'e8\'e0\'80\'93\'9c)", "èà€“œ"},
        {R"(\\ \{ \})", "\\ { }"},
        {R"(a\tab b)", "a\tb"},
        {R"(a\line b)", "a\nb"},
        {R"(a\~b\_c\-d)", "a\u00a0b\u2011cd"},
        {R"(\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote)", "—–•‘’“”"},
        {R"(\u8364?x)", "€x"},
        {R"(\u8364\'80x)", "€x"},  // the fallback is a \'hh: skipped whole
        {R"(\uc2\u8364??x)", "€x"},
        {R"(\uc0\u8364 x)", "€x"},
        {R"(\u-3913?)", "\uf0b7"},
        {R"(\u-10179?\u-8704?)", "\xF0\x9F\x98\x80"},  // a surrogate pair
        {R"(\u-8704?x)", "\uFFFDx"},                    // a low surrogate alone
        {R"(\u-10179?x)", "\uFFFDx"},                   // a high surrogate alone
        {R"({\uc3\u8364}abc)", "€abc"},                 // the group's end ends the fallback
        {R"(\u945\'3f\u946\'3f)", "αβ"},
        {"caf\xe9 raw", "café raw"},                    // 8-bit bytes read as Windows-1252
        {R"({\v hidden}shown)", "shown"},
        {"a\r\nb", "ab"},
    };
    for (const auto& c : cases) {
        const RtfDocument document = read_rtf(std::string("{\\rtf1\\ansi ") + c.rtf + "}");
        EXPECT_TRUE(document.intact) << c.rtf;
        EXPECT_EQ(joined(document), std::string(c.text) + "\n") << c.rtf;
    }
}

TEST(RtfReader, SkipsDestinationsThatHoldNoBodyText) {
    const RtfDocument document = read_rtf(
        R"({\rtf1\ansi{\*\generator Riched20 10.0;}{\info{\title Titolo}{\author Io}}{\colortbl;\red255\green0\blue0;})"
        R"({\stylesheet{\s1 Heading 1;}}{\header intestazione}{\footer pi\'e8 di pagina}visibile{\footnote nota})"
        R"({\pict\pngblip 89504e47}{\*\shppict{\pict\emfblip 0100}}{\nonshppict{\pict\wmetafile8 0100}})"
        R"({\field{\*\fldinst HYPERLINK "x"}{\fldrslt  collegamento}}\bin4 {}}\ testo{\*\unknown {nested} x}\par})");
    EXPECT_TRUE(document.intact);
    EXPECT_EQ(document.texts(), std::vector<std::string>{"visibile collegamento testo"});
}

TEST(RtfReader, ParagraphFormatAndTables) {
    const RtfDocument document = read_rtf(
        R"({\rtf1\qc\sb120\sa60 Titolo\par\pard\li720\fi-360 voce\par\pard)"
        R"(\trowd\cellx2000\cellx4000\intbl A\cell B\cell\row\intbl 1\cell\cell\row\pard dopo\par)"
        R"(\intbl a\par b\cell c\cell\row})");
    ASSERT_EQ(document.paragraphs.size(), 6u);
    const auto& title = document.paragraphs[0];
    EXPECT_EQ(title.alignment, RtfAlignment::centre);
    EXPECT_EQ(title.space_before, 120);
    EXPECT_EQ(title.space_after, 60);
    const auto& item = document.paragraphs[1];
    EXPECT_EQ(item.alignment, RtfAlignment::left);
    EXPECT_EQ(item.left_indent, 720);
    EXPECT_EQ(item.first_line_indent, -360);
    EXPECT_EQ(document.texts(), (std::vector<std::string>{"Titolo", "voce", "A\tB", "1\t", "dopo", "a\nb\tc"}));
    EXPECT_TRUE(document.paragraphs[2].table_row);
    EXPECT_TRUE(document.paragraphs[3].table_row);
    EXPECT_FALSE(document.paragraphs[4].table_row);
    EXPECT_TRUE(document.paragraphs[5].table_row);
}

TEST(RtfReader, ReadsADocumentAsLibreOfficeWritesIt) {
    const RtfDocument document = read_rtf(libreoffice_document);
    EXPECT_TRUE(document.intact);
    EXPECT_EQ(document.texts(),
              (std::vector<std::string>{"Verifica a taglio",
                                        "La resistenza di calcolo Vrd1 è quella senza armatura a taglio; si usa τRd.",
                                        "Grandezza\tValore", "k\t1,14", "Fine."}));
    const auto& heading = document.paragraphs[0];
    EXPECT_EQ(heading.runs, std::vector<RtfRun>{run("Verifica a taglio", true, false, false, 16, "Liberation Sans")});
    EXPECT_EQ(heading.alignment, RtfAlignment::centre);
    EXPECT_EQ(heading.space_before, 240);
    const auto& body = document.paragraphs[1];
    ASSERT_EQ(body.runs.size(), 3u);
    EXPECT_EQ(body.runs[1], run("rd1", false, true, false, 12, "Liberation Serif"));
    EXPECT_TRUE(document.paragraphs[2].table_row);
    EXPECT_TRUE(document.paragraphs[2].runs[0].bold);
    EXPECT_FALSE(document.paragraphs[4].table_row);
}

TEST(RtfReader, ATruncatedDocumentKeepsTheTextBeforeTheCut) {
    const std::string whole = libreoffice_document;
    const RtfDocument full = read_rtf(whole);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const RtfDocument cut = read_rtf(whole.substr(0, length));
        ASSERT_FALSE(cut.intact) << length;
        if (cut.paragraphs.empty()) continue;
        ASSERT_LE(cut.paragraphs.size(), full.paragraphs.size()) << length;
        const std::size_t finished = cut.paragraphs.size() - 1;
        for (std::size_t i = 0; i < finished; ++i) ASSERT_EQ(cut.paragraphs[i], full.paragraphs[i]) << length;
        // The last paragraph was cut short: its text so far, less a cell not yet closed by its row.
        std::string last = cut.paragraphs[finished].text();
        if (!last.empty() && last.back() == '\t') last.pop_back();
        ASSERT_EQ(full.paragraphs[finished].text().substr(0, last.size()), last) << length;
    }
}

TEST(RtfReader, MalformedInputKeepsWhatWasRead) {
    const struct {
        const char* name;
        std::string rtf;
        std::vector<std::string> texts;
        bool intact;
    } cases[] = {
        {"closing braces missing", R"({\rtf1 {\b uno\par due)", {"uno", "due"}, false},
        {"closing braces to spare", R"({\rtf1 uno}}}} due)", {"uno"}, true},
        {"cut in a control word", R"({\rtf1 uno\par due\pa)", {"uno", "due"}, false},
        {"cut after a backslash", "{\\rtf1 uno\\", {"uno"}, false},
        {"cut in a hex escape", R"({\rtf1 uno\'e)", {"uno"}, false},
        {"bad hex escape", R"({\rtf1 a\'zzb})", {"azzb"}, false},
        {"cut in a unicode word", R"({\rtf1 uno\u836)", {"uno"}, false},
        {"unicode beyond 16 bits", R"({\rtf1 a\u99999999?b})", {"a\uFFFDb"}, false},
        {"unicode below -32768", R"({\rtf1 a\u-99999?b})", {"a\uFFFDb"}, false},
        {"huge font size", R"({\rtf1 \fs999999999999 a})", {"a"}, true},
        {"binary data past the end", R"({\rtf1 a\bin999999999999 xyz})", {"a"}, false},
        {"huge fallback count", R"({\rtf1 \uc999999999\u8364 abc})", {"€"}, true},
        {"not rich text", "ciao {\\rtf1 a}", {}, false},
        {"empty", "", {}, false},
    };
    for (const auto& c : cases) {
        const RtfDocument document = read_rtf(c.rtf);
        EXPECT_EQ(document.texts(), c.texts) << c.name;
        EXPECT_EQ(document.intact, c.intact) << c.name;
    }
    const RtfDocument huge = read_rtf(R"({\rtf1 \fs999999999999 a\li-99999999999 \par})");
    EXPECT_EQ(huge.paragraphs.at(0).runs.at(0).size, 1638);
    EXPECT_EQ(huge.paragraphs.at(0).left_indent, -31680);
    const RtfDocument small = read_rtf(R"({\rtf1 \fs20 a\fs0 b\fs-4 c})");
    EXPECT_EQ(small.paragraphs.at(0).runs, std::vector<RtfRun>{run("abc", false, false, false, 10)});
}

TEST(RtfReader, DeepNestingNeitherCrashesNorLosesText) {
    std::string open = "{\\rtf1 ";
    open += std::string(100000, '{');
    open += "\\b profondo";
    const RtfDocument unclosed = read_rtf(open);
    EXPECT_EQ(unclosed.texts(), std::vector<std::string>{"profondo"});
    EXPECT_FALSE(unclosed.intact);
    EXPECT_TRUE(unclosed.paragraphs[0].runs[0].bold);

    const RtfDocument closed = read_rtf(open + std::string(100000, '}') + " fuori\\par}");
    EXPECT_EQ(closed.texts(), std::vector<std::string>{"profondo fuori"});
    EXPECT_FALSE(closed.paragraphs[0].runs.back().bold);
}

TEST(RtfReader, RandomInputNeverBreaksTheReader) {
    const std::string alphabet = "{}\\\\\\'abcdefuflpartbcellrow0123456789-*; \r\n\xe8\x80\xff";
    std::mt19937 random(20240305);
    for (int round = 0; round < 3000; ++round) {
        std::string text = "{\\rtf1 ";
        const int length = static_cast<int>(random() % 300);
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        const RtfDocument document = read_rtf(text);
        for (const auto& paragraph : document.paragraphs)
            for (const auto& shown : paragraph.runs) {
                ASSERT_FALSE(shown.text.empty()) << text;
                ASSERT_TRUE(valid_utf8(shown.text)) << text;
                ASSERT_GE(shown.size, 1) << text;
                ASSERT_LE(shown.size, 1638) << text;
            }
    }
}

}  // namespace
}  // namespace norvexa
