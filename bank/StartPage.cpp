#include "bank/StartPage.h"

#include <system_error>

#include "app/Program.h"
#include "bank/EmbeddedBank.h"
#include "bank/FileWrite.h"
#include "bank/Templates.h"
#include "text/GbkCodec.h"

void WriteStartPage(Program& program) {
  if (WriteFileReplacing(program.ResultPagePath, DefaultPage())) {
    program.ui.SetAddress(Control::超文本浏览框1, program.ResultPagePath);
  }
  std::error_code error;
  // symlink_status: a dangling link is still "a file that exists" and is left alone.
  if (std::filesystem::exists(std::filesystem::symlink_status(program.DatabasePath, error))) return;
  const QByteArray bank = EmbeddedQuestionBank();
  const bool written =
      !bank.isEmpty() &&
      WriteFileIfAbsent(program.DatabasePath,
                        std::string_view(bank.constData(), static_cast<std::size_t>(bank.size())));
  program.ui.SetText(Control::透明标签1,
                     Utf8ToGbk(written ? "试题数据库写出成功！" : "试题数据库写出失败！"));
}

void ConnectDatabase(Program& program) {
  if (Connect(program.数据库连接1, program.DatabasePath)) {
    program.ui.SetTextColour(Control::透明标签1, kSilver);
    program.ui.SetText(Control::透明标签1, Utf8ToGbk("试题数据库连接成功！"));
    BindRecordSet(program.记录集1, program.数据库连接1);
    return;
  }
  program.ui.SetTextColour(Control::透明标签1, kWhite);
  program.ui.SetDisabled(Control::编辑框1, true);
  program.ui.SetDisabled(Control::图形按钮3, true);
  program.ui.SetText(Control::透明标签1, Utf8ToGbk("试题数据库连接失败！"));
}
