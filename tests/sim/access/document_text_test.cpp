// The SaveAsText reader and writer: framing, the block tree, strings and
// their chunks, binary data, and the text it refuses.

#include <gtest/gtest.h>

#include <cctype>

#include "com/text.h"
#include "platform/access.h"
#include "sim/access/document_text.h"
#include "sim/access/text_encoding.h"
#include "sim/access/text_format_error.h"

namespace {

using sim::access::DecodeText;
using sim::access::DocumentText;
using sim::access::EncodeText;
using sim::access::TextEncoding;
using sim::access::TextFormatError;
using sim::access::TextNode;

// A form that carries the traps of the format: repeated properties, a blank
// line inside a control, NotDefault lines, a decimal, a negative number, a
// binary block of more than 32 bytes, a string continued over three lines
// whose first cut falls inside an escape, an attached label, and a module.
const std::string kForm = com::Join(
    {"Version =20", "VersionRequired =20", "Checksum =-2136460743", "Begin Form",
     "    AllowDesignChanges = NotDefault", "    Width =6990", "    AlternateBackShade =95.0",
     "    RecSrcDt = Begin", "        0x10330ea8d101e440", "    End",
     "    PrtMip = Begin",
     "        0x6801000068010000680100006801000000000000201c0000e010000001000000 ,",
     "        0x010000006801000000000000a1070000", "    End",
     "    RecordSource =\"SELECT Customers.CustomerID, Customers.CompanyName FROM Customers WHERE [Custom\\\"\"",
     "        \"erID]=\\\"ALFKI\\\" ORDER BY Customers.CompanyName, Customers.ContactName, Customers\"",
     "        \".City\"",
     "    Begin", "        Begin Label", "            BackStyle =0", "        End",
     "        Begin Section", "            Height =3061", "            Name =\"Detail\"",
     "            Begin", "                Begin TextBox", "                    GroupTable =1",
     "                    Name =\"txt\\011Tab\"", "                    ControlSource =\"CustomerID\"",
     "", "                    LayoutCachedLeft =3456", "                    GroupTable =1",
     "                    Begin", "                        Begin Label",
     "                            Caption =\"Kunde \xC3\xBC \\\\ \\015\\012\"",
     "                        End", "                    End", "                End",
     "            End", "        End", "    End", "End", "CodeBehindForm",
     "Attribute VB_GlobalNameSpace = False", "Option Compare Database", "",
     "Private Sub txt_Tab_AfterUpdate()   ", "End Sub"},
    "\n");

const TextNode& Section(DocumentText& form) {
  return form.Root()->children.back().children.back();
}

TEST(DocumentText, ReadsTheTreeAndGivesBackTheSameText) {
  DocumentText form = DocumentText::Parse(kForm, msaccess::acForm);
  EXPECT_EQ(form.Render(), kForm);
  ASSERT_NE(form.Root(), nullptr);
  const TextNode& root = *form.Root();
  EXPECT_EQ(root.FindProperty("AlternateBackShade")->value, "95.0");
  EXPECT_EQ(root.FindProperty("PrtMip")->value.size(), 48u);
  EXPECT_EQ(root.FindProperty("RecordSource")->value,
            "SELECT Customers.CustomerID, Customers.CompanyName FROM Customers WHERE "
            "[Custom\"erID]=\"ALFKI\" ORDER BY Customers.CompanyName, Customers.ContactName, "
            "Customers.City");
  const TextNode& text_box = Section(form).children.back().children.front();
  EXPECT_EQ(text_box.name, "TextBox");
  EXPECT_EQ(text_box.FindProperty("Name")->value, "txt\tTab");
  const auto repeated = std::count_if(text_box.children.begin(), text_box.children.end(),
                                      [](const TextNode& n) { return n.name == "GroupTable"; });
  EXPECT_EQ(repeated, 2);
  EXPECT_EQ(text_box.children.back().children.front().FindProperty("Caption")->value,
            "Kunde \xC3\xBC \\ \r\n");
  EXPECT_EQ(*form.Code(), com::Join({"Attribute VB_GlobalNameSpace = False",
                                     "Option Compare Database", "",
                                     "Private Sub txt_Tab_AfterUpdate()   ", "End Sub"},
                                    "\n"));
}

TEST(DocumentText, RendersAChangedPropertyAsAccessWritesIt) {
  DocumentText form = DocumentText::Parse(kForm);
  TextNode& source = *form.Root()->FindProperty("RecordSource");
  // 79 characters, then an escape that runs the first chunk to 81; the next
  // chunk is cut at exactly 80 and the last holds one character.
  source.SetString(std::string(79, 'a') + "\"" + std::string(80, 'b') + "c");
  TextNode& binary = *form.Root()->FindProperty("RecSrcDt");
  binary.SetBytes(std::string(33, '\xAB'));
  const std::string rendered = form.Render();
  EXPECT_NE(rendered.find("    RecordSource =\"" + std::string(79, 'a') + "\\\"\"\n        \"" +
                          std::string(80, 'b') + "\"\n        \"c\"\n    Begin\n"),
            std::string::npos)
      << rendered;
  EXPECT_NE(rendered.find("    RecSrcDt = Begin\n        0x" + com::Join(std::vector<std::string>(32, "ab"), "") +
                          " ,\n        0xab\n    End\n"),
            std::string::npos);
  // Everything else is as it was.
  EXPECT_NE(rendered.find("                    Name =\"txt\\011Tab\"\n"), std::string::npos);
  EXPECT_EQ(DocumentText::Parse(rendered).Root()->FindProperty("RecordSource")->value,
            source.value);
}

void Forget(TextNode& node) {
  node.ForgetSource();
  for (auto& child : node.children) Forget(child);
}

TEST(DocumentText, RendersFromTheValuesTheLinesAccessWrote) {
  DocumentText form = DocumentText::Parse(kForm);
  for (auto& item : form.items()) Forget(item);
  EXPECT_EQ(form.Render(), kForm);
}

TEST(DocumentText, ChunksCountEscapesAndUtf16Units) {
  using sim::access::StringChunks;
  EXPECT_EQ(StringChunks(""), std::vector<std::string>{""});
  // 78 characters then an octal escape: one line of 82.
  EXPECT_EQ(StringChunks(std::string(78, 'x') + "\r").size(), 1u);
  EXPECT_EQ(StringChunks(std::string(81, 'x')),
            (std::vector<std::string>{std::string(80, 'x'), "x"}));
  // A character outside the BMP counts two units: 79 + 2 fills the line.
  const std::string emoji = "\xF0\x9F\x94\xBC";
  EXPECT_EQ(StringChunks(std::string(79, 'x') + emoji + "y"),
            (std::vector<std::string>{std::string(79, 'x') + emoji, "y"}));
  // Letters of the code page count one.
  std::string umlauts;
  for (int i = 0; i < 80; ++i) umlauts += "\xC3\xBC";
  EXPECT_EQ(StringChunks(umlauts).size(), 1u);
}

TEST(DocumentText, ReadsMacrosWithTheirRows) {
  const std::string macro = com::Join(
      {"Version =196611", "PublishOption =1", "ColumnsShown =0", "Begin",
       "    MacroName =\"{F12}\"", "    Action =\"RunCode\"", "    Argument =\"finddocument()\"",
       "    Argument =\"\"", "End", "Begin", "End"},
      "\n");
  DocumentText text = DocumentText::Parse(macro, msaccess::acMacro);
  EXPECT_EQ(text.Render(), macro);
  ASSERT_EQ(text.items().size(), 5u);
  EXPECT_EQ(text.items()[3].children.size(), 4u);
  EXPECT_EQ(text.items()[3].children[3].value, "");
}

TEST(DocumentText, KeepsAnEmbeddedMacroAsABlock) {
  const std::string form = com::Join(
      {"Version =20", "Begin Form", "    OnClickEmMacro = Begin", "        Version =196611",
       "        ColumnsShown =0", "        Begin", "            Action =\"Beep\"", "        End",
       "    End", "End"},
      "\n");
  DocumentText text = DocumentText::Parse(form, msaccess::acForm);
  EXPECT_EQ(text.Render(), form);
  EXPECT_EQ(text.Root()->children.front().kind, TextNode::Kind::Block);
  EXPECT_EQ(text.Root()->children.front().opener, TextNode::Opener::Named);
}

struct Refusal {
  const char* what;
  std::vector<std::string> lines;
  std::size_t line;
  const char* message;
};

class DocumentTextRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(DocumentTextRefusal, NamesTheLine) {
  const Refusal& refusal = GetParam();
  try {
    DocumentText::Parse(com::Join(refusal.lines, "\n"), msaccess::acForm);
    FAIL() << refusal.what << " was read";
  } catch (const TextFormatError& error) {
    EXPECT_EQ(error.line(), refusal.line) << error.what();
    EXPECT_NE(std::string(error.what()).find(refusal.message), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentTextRefusal,
    ::testing::Values(
        Refusal{"a truncated block", {"Version =20", "Begin Form", "    Begin", "        Width =1"}, 3,
                "'Begin' without its 'End'"},
        Refusal{"an open string", {"Begin Form", "    Caption =\"abc", "End"}, 2,
                "without its closing quote"},
        Refusal{"text after a string", {"Begin Form", "    Caption =\"a\"b\"", "End"}, 2,
                "after the closing quote"},
        Refusal{"an unknown escape", {"Begin Form", "    Caption =\"a\\n\"", "End"}, 2,
                "escape"},
        Refusal{"three spaces", {"Begin Form", "   Width =1", "End"}, 2, "indented by 3"},
        Refusal{"a word for a value", {"Begin Form", "    Width =wide", "End"}, 2,
                "neither a number nor a string"},
        Refusal{"an End too many", {"Begin Form", "End", "End"}, 3, "without its 'Begin'"},
        Refusal{"a short hex line", {"Begin Form", "    GUID = Begin", "        0xabc", "    End", "End"},
                3, "half a byte"},
        Refusal{"a report for a form", {"Version =20", "Begin Report", "End"}, 0,
                "holds 'Begin Report'"}),
    [](const ::testing::TestParamInfo<Refusal>& info) {
      std::string name;
      for (const char c : std::string(info.param.what)) name += std::isalnum(c) ? c : '_';
      return name;
    });

TEST(TextEncoding, RoundTripsEveryFraming) {
  const std::string text = "Caption =\"Kunde \xC3\xBC\"\nEnd";
  for (const auto encoding : {TextEncoding::Utf16Le, TextEncoding::Utf8, TextEncoding::Ansi})
    for (const bool crlf : {true, false})
      for (const bool final_break : {true, false}) {
        const sim::access::TextFraming framing{encoding, crlf, final_break};
        const std::string bytes = EncodeText(text, framing);
        const auto decoded = DecodeText(bytes);
        EXPECT_EQ(decoded.text, text) << framing.ToString();
        EXPECT_EQ(decoded.framing, framing) << framing.ToString();
        EXPECT_EQ(sim::access::TextFraming::Parse(framing.ToString()), framing);
      }
}

TEST(TextEncoding, ReadsEachEncodingAsAccessWritesIt) {
  EXPECT_EQ(DecodeText(std::string("\xFF\xFE" "A\0\xFC\0\r\0\n\0", 10)).text, "A\xC3\xBC");
  // The code page: the euro sign, and an undefined byte kept as its control character.
  const auto ansi = DecodeText("F\xFCr \x80 \x81");
  EXPECT_EQ(ansi.framing.encoding, TextEncoding::Ansi);
  EXPECT_EQ(ansi.text, "F\xC3\xBCr \xE2\x82\xAC \xC2\x81");
  EXPECT_EQ(EncodeText(ansi.text, ansi.framing), "F\xFCr \x80 \x81");
  // UTF-8 without a mark is read as UTF-8.
  EXPECT_EQ(DecodeText("ERTEK\xC4\xB0N").framing.encoding, TextEncoding::Utf8NoMark);
}

TEST(TextEncoding, RepairsSurrogatePairsEncodedOneByOne) {
  // U+1F53C as two 3-byte surrogates, as unit-by-unit converters write it.
  const std::string cesu = "\xEF\xBB\xBF" "QA \xED\xA0\xBD\xED\xB4\xBC!";
  const auto decoded = DecodeText(cesu);
  EXPECT_EQ(decoded.text, "QA \xF0\x9F\x94\xBC!");
  EXPECT_EQ(sim::access::Utf16Length(decoded.text), 6u);
}

TEST(TextEncoding, RefusesWhatAccessCannotRead) {
  for (const std::string& bytes :
       {std::string("\xFE\xFF\0A", 4), std::string("A\0B\0", 4), std::string("\xEF\xBB\xBF\xC3"),
        std::string("\xEF\xBB\xBF" "a\xED\xA0\xBDz"), std::string("\xFF\xFE" "A", 3)})
    EXPECT_THROW(DecodeText(bytes), TextFormatError) << bytes;
  EXPECT_THROW(EncodeText("\xE4\xB8\xAD", {TextEncoding::Ansi, true, true}), TextFormatError);
}

}  // namespace
