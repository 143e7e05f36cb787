#include "bank/Templates.h"

#include <initializer_list>
#include <string_view>

#include "text/GbkCodec.h"

namespace {

Text JoinLines(std::initializer_list<std::string_view> utf8Lines) {
  std::string joined;
  bool first = true;
  for (std::string_view line : utf8Lines) {
    if (!first) joined += "\r\n";
    joined += line;
    first = false;
  }
  return Utf8ToGbk(joined);
}

}  // namespace

const Text& DefaultPage() {
  static const Text page = JoinLines({
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
  });
  return page;
}

const Text& PageTemplate() {
  static const Text page = JoinLines({
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
      "  color:[答案颜色];",
      "  font-weight:bold;",
      "}",
      ".biaoqian{",
      "  width: 100%;",
      " margin:0 auto;",
      "}",
      ".taoceng{",
      "  background-color:#EBEBEB;",
      "  width: 100%;",
      "  padding: 15px;",
      "  margin: 10px auto;",
      "  border-radius:20px",
      "}",
      "</style>",
      "<body>",
      "<div class=\"vertical-container\">  ",
      "[ul]",
      "</div>",
      "</body>",
  });
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
