// Builds the question bank database from its text source.
//
//   zhilan-bankgen [--lenient] questions.txt study.mdb
//
// The source is UTF-8: records of five "key: value" lines (ID, type, subject,
// ProblemOption, Answer, in that order) separated by empty lines; lines
// starting with "#" are comments. The database holds the table `study` with
// the texts as UTF-8. Unless --lenient is given (test fixtures that hold odd
// rows on purpose), the rows are also checked for the stored forms the program
// expects, so a typing mistake in the bank fails the build instead of showing
// a wrong answer.
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Question {
  long long id = 0;
  std::string type, subject, options, answer;
  int line = 0;
};

const char* const kKeys[] = {"ID", "type", "subject", "ProblemOption", "Answer"};
const std::string kSeparator = "/pelox/";
const std::string kComma = "\xE3\x80\x81";  // 、

[[noreturn]] void Fail(const std::string& file, int line, const std::string& message) {
  std::cerr << file << ":" << line << ": " << message << "\n";
  std::exit(1);
}

std::vector<Question> Parse(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) Fail(file, 0, "cannot read");
  std::vector<Question> questions;
  std::vector<std::string> fields;
  int lineNo = 0, recordLine = 0;
  auto finish = [&] {
    if (fields.empty()) return;
    if (fields.size() != 5) Fail(file, recordLine, "a record needs exactly five lines");
    Question q;
    q.line = recordLine;
    try {
      std::size_t used = 0;
      q.id = std::stoll(fields[0], &used);
      if (used != fields[0].size()) throw std::invalid_argument("id");
    } catch (const std::exception&) {
      Fail(file, recordLine, "ID is not a number: " + fields[0]);
    }
    q.type = fields[1];
    q.subject = fields[2];
    q.options = fields[3];
    q.answer = fields[4];
    questions.push_back(q);
    fields.clear();
  };
  std::string line;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '#') continue;
    if (line.empty()) {
      finish();
      continue;
    }
    if (fields.empty()) recordLine = lineNo;
    if (fields.size() >= 5) Fail(file, lineNo, "a record needs exactly five lines");
    const std::string key = kKeys[fields.size()];
    if (line.compare(0, key.size() + 1, key + ":") != 0)
      Fail(file, lineNo, "expected \"" + key + ":\"");
    std::string value = line.substr(key.size() + 1);
    if (!value.empty() && value[0] == ' ') value.erase(0, 1);
    fields.push_back(value);
  }
  finish();
  return questions;
}

std::vector<std::string> SplitOptions(const std::string& options) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t at; (at = options.find(kSeparator, start)) != std::string::npos;) {
    pieces.push_back(options.substr(start, at - start));
    start = at + kSeparator.size();
  }
  if (start < options.size()) pieces.push_back(options.substr(start));
  return pieces;
}

void Check(const std::string& file, const std::vector<Question>& questions) {
  std::set<long long> ids;
  for (const Question& q : questions) {
    auto fail = [&](const std::string& message) { Fail(file, q.line, message); };
    if (!ids.insert(q.id).second) fail("ID used twice");
    if (q.id < 1 || q.id > 2147483647) fail("ID out of range");
    if (q.subject.empty()) fail("empty subject");
    for (const std::string* text : {&q.subject, &q.options, &q.answer})
      if (text->find('\'') != std::string::npos || text->find('\t') != std::string::npos)
        fail("quote or tab in a text");
    const bool choice = q.type == "单选题" || q.type == "多选题" || q.type == "挑战题";
    if (!choice && q.type != "填空题") fail("unknown type " + q.type);
    if (!choice) {
      if (!q.options.empty()) fail("a fill-in question has no options");
      if (q.subject.find("____") == std::string::npos) fail("a fill-in question needs a blank");
      if (q.answer.empty()) fail("a fill-in question needs its words");
      continue;
    }
    if (q.options.size() < kSeparator.size() ||
        q.options.compare(q.options.size() - kSeparator.size(), kSeparator.size(), kSeparator))
      fail("options must end in /pelox/");
    const auto pieces = SplitOptions(q.options);
    if (pieces.size() < 2 || pieces.size() > 6) fail("choice questions have 2 to 6 options");
    std::string letters;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
      const char letter = static_cast<char>('A' + k);
      if (pieces[k].compare(0, 1 + kComma.size(), std::string(1, letter) + kComma) ||
          pieces[k].size() == 1 + kComma.size())
        fail(std::string("option ") + letter + " must read \"" + letter + "、text\"");
      letters += letter;
    }
    if (q.answer.empty()) fail("a choice question needs its letters");
    std::size_t last = 0;
    for (char c : q.answer) {
      const std::size_t at = letters.find(c);
      if (at == std::string::npos || (last && at < last))
        fail("answer letters must be options, in order");
      last = at + 1;
    }
    if (q.type != "多选题" && q.answer.size() != 1)
      fail("single and challenge questions have one letter");
    if (q.type == "多选题" && q.answer.size() < 2)
      fail("multiple-choice questions have two letters or more");
  }
}

void Write(const std::string& file, const std::vector<Question>& questions) {
  std::remove(file.c_str());
  sqlite3* db = nullptr;
  if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) Fail(file, 0, sqlite3_errmsg(db));
  auto exec = [&](const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) Fail(file, 0, error);
  };
  // ID is the question number, never made up by the database; Answer and type
  // keep the 255-character limit the bank has always had.
  exec(
      "CREATE TABLE study ("
      " ID INTEGER PRIMARY KEY NOT NULL CHECK (ID BETWEEN -2147483648 AND 2147483647),"
      " subject TEXT,"
      " ProblemOption TEXT,"
      " Answer TEXT CHECK (length(Answer) <= 255),"
      " type TEXT CHECK (length(type) <= 255))");
  exec("BEGIN");
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db,
                     "INSERT INTO study (ID, subject, ProblemOption, Answer, type) "
                     "VALUES (?, ?, ?, ?, ?)",
                     -1, &insert, nullptr);
  for (const Question& q : questions) {
    sqlite3_bind_int64(insert, 1, q.id);
    sqlite3_bind_text(insert, 2, q.subject.c_str(), -1, SQLITE_STATIC);
    sqlite3_bind_text(insert, 3, q.options.c_str(), -1, SQLITE_STATIC);
    sqlite3_bind_text(insert, 4, q.answer.c_str(), -1, SQLITE_STATIC);
    sqlite3_bind_text(insert, 5, q.type.c_str(), -1, SQLITE_STATIC);
    if (sqlite3_step(insert) != SQLITE_DONE) Fail(file, q.line, sqlite3_errmsg(db));
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  exec("COMMIT");
  exec("VACUUM");
  sqlite3_close(db);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  bool lenient = false;
  if (!args.empty() && args[0] == "--lenient") {
    lenient = true;
    args.erase(args.begin());
  }
  if (args.size() != 2) {
    std::cerr << "usage: zhilan-bankgen [--lenient] questions.txt study.mdb\n";
    return 2;
  }
  const auto questions = Parse(args[0]);
  if (!lenient) Check(args[0], questions);
  Write(args[1], questions);
  std::cout << questions.size() << " questions written to " << args[1] << "\n";
  return 0;
}
