// How the search and the result page scale with the number of matches: a bank
// of N questions that all match the keyword, rendered into one page.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "app/Program.h"
#include "bank/ResultPage.h"
#include "bank/Search.h"
#include "support/Gbk.h"
#include "support/MemoryControls.h"
#include "support/TempDir.h"
#include "text/TextRules.h"

namespace {

// A bank of `rows` multiple-choice questions, each holding the keyword 中国.
std::filesystem::path MakeBank(const TempDir& dir, int rows) {
  const auto file = dir / ("bench-" + std::to_string(rows) + ".mdb");
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  sqlite3_exec(db,
               "CREATE TABLE study (ID INTEGER PRIMARY KEY, subject TEXT, ProblemOption TEXT,"
               " Answer TEXT, type TEXT); BEGIN",
               nullptr, nullptr, nullptr);
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO study VALUES (?, ?, ?, ?, ?)", -1, &insert, nullptr);
  for (int i = 1; i <= rows; ++i) {
    const std::string subject =
        "第" + std::to_string(i) + "题：下列关于中国古代科技成就的说法，正确的有____。";
    sqlite3_bind_int(insert, 1, i);
    sqlite3_bind_text(insert, 2, subject.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 3, "A、造纸术/pelox/B、印刷术/pelox/C、地动仪/pelox/D、火药/pelox/",
                      -1, SQLITE_STATIC);
    sqlite3_bind_text(insert, 4, "ABD", -1, SQLITE_STATIC);
    sqlite3_bind_text(insert, 5, "多选题", -1, SQLITE_STATIC);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return file;
}

void BM_SearchAndRender(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  TempDir dir;
  const auto bank = MakeBank(dir, rows);
  MemoryControls ui;
  Program program(ui);
  program.ResultPagePath = dir / "index.html";
  Connect(program.数据库连接1, bank);
  BindRecordSet(program.记录集1, program.数据库连接1);
  for (auto _ : state) {
    ui.Type(Control::编辑框1, "中国");
    StartSearch(program);
  }
  state.counters["rows"] = rows;
  state.counters["page_bytes"] =
      static_cast<double>(std::filesystem::file_size(dir / "index.html"));
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_SearchAndRender)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(4413)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);

// One pass per pair: the time grows with the text, not with its square.
void BM_ReplaceAllOnLargeText(benchmark::State& state) {
  std::string block = G("我国的首都是北京，中国的首都也是北京。Beijing is the capital. ");
  std::string text;
  while (text.size() < static_cast<std::size_t>(state.range(0))) text += block;
  const Text find = G("首都");
  const Text replacement = "<font color=\"#FF6633\">" + find + "</font>";
  for (auto _ : state) benchmark::DoNotOptimize(text::ReplaceAll(text, find, replacement, true));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReplaceAllOnLargeText)
    ->Arg(1 << 16)
    ->Arg(1 << 20)
    ->Arg(1 << 23)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
