#pragma once
// The result page as a reader of the templates writes it by hand, so tests can
// compare the program's pages byte for byte. UTF-8 in, GBK out.
#include <string>

#include "bank/Templates.h"
#include "support/Gbk.h"

// The keyword highlight around a text.
inline std::string Hl(const std::string& s) { return "<font color=\"#FF6633\">" + s + "</font>"; }
inline std::string Li(const std::string& option) { return "<li>" + option + "</li>"; }
inline std::string LiText(const std::string& option) {
  return "<li><font class=\"text\">" + option + "</font></li>";
}

// One question block: the item template with its four slots filled.
inline std::string Block(const std::string& answer, const std::string& question,
                         const std::string& options) {
  return "<div class=\"taoceng\" style=\"background:#F8F8FF; color:#4F4F4F\">\r\n"
         "<div class=\"biaoqian\">\r\n"
         "  【<font class=\"text\"> " +
         answer + " </font>】" + question +
         "\r\n"
         "  <ul>\r\n"
         "    " +
         options +
         "\r\n"
         "  </ul>\r\n"
         "</div>\r\n"
         "</div>";
}

// The whole page around the blocks (UTF-8), as GBK bytes.
inline Text Page(const std::string& blocksUtf8) {
  Text page = PageTemplate();
  const Text slot = "[ul]";
  page.replace(page.find(slot), slot.size(), G(blocksUtf8));
  const Text colour = G("[答案颜色]");
  page.replace(page.find(colour), colour.size(), "#FF3030");
  return page;
}
