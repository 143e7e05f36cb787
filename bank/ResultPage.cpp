#include "bank/ResultPage.h"

#include <vector>

#include "app/Program.h"
#include "bank/FileWrite.h"
#include "bank/Templates.h"
#include "text/GbkCodec.h"
#include "text/SplitChars.h"
#include "text/TextRules.h"

Text ReplacePairs(std::string_view text, std::initializer_list<ReplacePair> pairs) {
  Text result(text);
  for (const auto& [find, replacement] : pairs) {
    result = text::ReplaceAll(result, find, replacement, true);
  }
  return result;
}

Text ReplaceOutsideTags(std::string_view html, std::string_view find,
                        std::string_view replacement) {
  if (find.empty()) return Text(html);
  Text out;
  out.reserve(html.size());
  std::size_t i = 0;
  while (i < html.size()) {
    // A run of text up to the next tag, then the tag itself, copied as it is.
    const int tag = text::Find(html.substr(i), "<");
    const std::size_t textEnd = tag < 0 ? html.size() : i + static_cast<std::size_t>(tag - 1);
    out += text::ReplaceAll(html.substr(i, textEnd - i), find, replacement, true);
    if (textEnd == html.size()) break;
    const int close = text::Find(html.substr(textEnd), ">");
    const std::size_t tagEnd = close < 0 ? html.size() : textEnd + static_cast<std::size_t>(close);
    out.append(html.substr(textEnd, tagEnd - textEnd));
    i = tagEnd;
  }
  return out;
}

namespace {

const Text kMultipleChoice = Utf8ToGbk("多选题");
const Text kColourSlot = Utf8ToGbk("[颜色]");
const Text kQuestionSlot = Utf8ToGbk("[问题]");
const Text kAnswerSlot = Utf8ToGbk("[答案]");
const Text kOptionsSlot = Utf8ToGbk("[选项]");
const Text kAnswerColourSlot = Utf8ToGbk("[答案颜色]");

Text Highlight(const Text& keyword) { return "<font color=\"#FF6633\">" + keyword + "</font>"; }
Text HighlightedOption(const Text& option) {
  return "<li><font class=\"text\">" + option + "</font></li>";
}
Text PlainOption(const Text& option) { return "<li>" + option + "</li>"; }

// The options of one question as list items: the correct ones highlighted; for
// an answer of several letters only the correct ones, in option order.
Text OptionList(const Text& storedOptions, const Text& answer) {
  const std::vector<Text> options = text::Split(storedOptions, "/pelox/");
  std::vector<Text> answerChars;
  SplitChars(answer, answerChars);
  Text list;
  for (const Text& option : options) {
    const Text letter = text::Left(option, 1);
    if (answer.empty()) {
      // Nothing to mark, but the user still sees what was asked.
      list += PlainOption(option);
    } else if (answer.size() == 1) {
      list += letter == answer ? HighlightedOption(option) : PlainOption(option);
    } else {
      for (const Text& c : answerChars)
        if (letter == c) list += HighlightedOption(option);
    }
  }
  return list;
}

}  // namespace

int RenderResults(Program& program) {
  Controls& ui = program.ui;
  RecordSet& records = program.记录集1;
  Text blocks;
  int count = 0;
  MoveFirst(records);
  for (; !AtEnd(records); MoveNext(records)) {
    if (ui.Checked(Control::图形按钮4)) {
      Text type;
      ReadText(records, "type", &type);
      if (type == kMultipleChoice) continue;
    }
    Text block = ReplacePairs(ItemTemplate(), {{kColourSlot, "#F8F8FF"}});

    Text question;
    ReadText(records, "subject", &question);
    const Text keyword = ui.GetText(Control::编辑框1);
    question = ReplacePairs(question, {{keyword, Highlight(keyword)}});
    block = ReplacePairs(block, {{kQuestionSlot, question}});

    Text answer;
    ReadText(records, "Answer", &answer);
    block = ReplacePairs(block, {{kAnswerSlot, answer}});

    Text options;
    ReadText(records, "ProblemOption", &options);
    block = ReplacePairs(block, {{kOptionsSlot, OptionList(options, answer)}});
    const Text keywordAgain = ui.GetText(Control::编辑框1);
    block = ReplaceOutsideTags(block, keywordAgain, Highlight(keywordAgain));

    blocks += block;
    ++count;
  }

  ui.SetText(Control::透明标签1, Utf8ToGbk("共查到") + std::to_string(count) + Utf8ToGbk("条试题"));
  const Text page =
      ReplacePairs(PageTemplate(), {{"[ul]", blocks}, {kAnswerColourSlot, "#FF3030"}});
  if (WriteFileReplacing(program.ResultPagePath, page)) {
    ui.SetAddress(Control::超文本浏览框1, program.ResultPagePath);
  }
  Close(records);
  return count;
}
