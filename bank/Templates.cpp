#include "bank/Templates.h"

#include <string_view>
#include <vector>

#include "text/GbkCodec.h"

namespace {

Text JoinLines(const std::vector<std::string_view>& utf8Lines) {
  std::string joined;
  for (std::size_t i = 0; i < utf8Lines.size(); ++i) {
    if (i > 0) joined += "\r\n";
    joined += utf8Lines[i];
  }
  return Utf8ToGbk(joined);
}

const std::vector<std::string_view> kDefaultPageLines = {
    "<style>",
    "*{",
    "  margin:0; padding:0;",
    "  border:0px solid #000;",
    "  font-family:\"微软雅黑\";",
    "}",
    "body{",
    "  background:#EBEBEB;",
    "}",
    ".vertical-container {",
    "  width: 100%;",
    "}",
    "li{",
    "list-style-type:none;",
    "}",
    "ul{",
    "list-style-type:none;",
    "  margin-left:10px;",
    "  margin-top:10px",
    "}",
    ".text{",
    "  color:red;",
    "  font-weight:bold;",
    "}",
    ".biaoqian{",
    "  width: 95%;",
    "  text-align:center;",
    "}",
    ".taoceng{",
    "  background-color:#EBEBEB;",
    "  width: 90%;",
    "  padding: 15px;",
    "  margin: 10px auto;",
    "  border-radius:20px",
    "}",
    "</style>",
    "<body>",
    "<div class=\"vertical-container\">  ",
    "",
    "<img src=\"./RDSC.jpg\"  alt=\"入党誓词\" width=\"100%\" />",
    "</div>",
    "</body>",
};

}  // namespace

const Text& DefaultPage() {
  static const Text page = JoinLines(kDefaultPageLines);
  return page;
}

// The result page is the default page with four differences.
const Text& PageTemplate() {
  static const Text page = [] {
    std::vector<std::string_view> lines = kDefaultPageLines;
    lines[21] = "  color:[答案颜色];";  // the answer colour is filled in
    lines[25] = "  width: 100%;";       // the block title is full width,
    lines[26] = " margin:0 auto;";      // centred by its margins
    lines[30] = "  width: 100%;";       // the block is full width
    // The blocks take the place of the empty line and the picture.
    lines.erase(lines.begin() + 38, lines.begin() + 40);
    lines.insert(lines.begin() + 38, "[ul]");
    return JoinLines(lines);
  }();
  return page;
}

const Text& ItemTemplate() {
  static const Text item = JoinLines({
      "<div class=\"taoceng\" style=\"background:[颜色]; color:#4F4F4F\">",
      "<div class=\"biaoqian\">",
      "  【<font class=\"text\"> [答案] </font>】[问题]",
      "  <ul>",
      "    [选项]",
      "  </ul>",
      "</div>",
      "</div>",
  });
  return item;
}
