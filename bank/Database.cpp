#include "bank/Database.h"

#include <sqlite3.h>

#include <cctype>

#include "text/GbkCodec.h"

struct DatabaseHandle {
  sqlite3* db = nullptr;
  ~DatabaseHandle() { sqlite3_close_v2(db); }
};

struct RecordSet::Cursor {
  sqlite3_stmt* statement = nullptr;
  bool hasRow = false;
  bool onFirstRow = false;
  ~Cursor() { sqlite3_finalize(statement); }

  void Step() {
    hasRow = sqlite3_step(statement) == SQLITE_ROW;
    onFirstRow = false;
  }
};

namespace {

// Prepares exactly one statement with its parameters bound, or gives null.
sqlite3_stmt* PrepareOne(sqlite3* db, const Text& sql, const std::vector<Text>& parameters) {
  const std::string utf8 = GbkToUtf8(sql);
  sqlite3_stmt* statement = nullptr;
  const char* tail = nullptr;
  if (sqlite3_prepare_v2(db, utf8.c_str(), static_cast<int>(utf8.size()), &statement, &tail) !=
          SQLITE_OK ||
      statement == nullptr) {
    sqlite3_finalize(statement);
    return nullptr;
  }
  // A second statement behind the first is refused: the caller asked for one.
  for (const char* p = tail; p && *p; ++p) {
    if (!std::isspace(static_cast<unsigned char>(*p)) && *p != ';') {
      sqlite3_finalize(statement);
      return nullptr;
    }
  }
  if (static_cast<int>(parameters.size()) != sqlite3_bind_parameter_count(statement)) {
    sqlite3_finalize(statement);
    return nullptr;
  }
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const std::string value = GbkToUtf8(parameters[i]);
    sqlite3_bind_text(statement, static_cast<int>(i + 1), value.data(),
                      static_cast<int>(value.size()), SQLITE_TRANSIENT);
  }
  return statement;
}

bool SameNameIgnoringCase(std::string_view a, const char* b) {
  const std::string_view other(b ? b : "");
  if (a.size() != other.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(other[i])))
      return false;
  }
  return true;
}

}  // namespace

Connection::Connection() = default;
Connection::~Connection() = default;
RecordSet::RecordSet() = default;
RecordSet::~RecordSet() = default;

bool Connect(Connection& connection, const std::filesystem::path& file, const Text& password) {
  connection.handle_.reset();
  if (!password.empty()) return false;
  auto handle = std::make_shared<DatabaseHandle>();
  // Read-write but never create: a missing file is a failed connect, not a new
  // empty bank.
  if (sqlite3_open_v2(file.c_str(), &handle->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX,
                      nullptr) != SQLITE_OK)
    return false;
  sqlite3_busy_timeout(handle->db, 2000);
  // SQLite opens lazily; reading the schema is what proves the file is a
  // database, and it must hold the question table.
  sqlite3_stmt* probe = nullptr;
  bool hasTable = false;
  if (sqlite3_prepare_v2(handle->db,
                         "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'study'", -1,
                         &probe, nullptr) == SQLITE_OK) {
    hasTable = sqlite3_step(probe) == SQLITE_ROW;
  }
  sqlite3_finalize(probe);
  if (!hasTable) return false;
  connection.handle_ = std::move(handle);
  return true;
}

bool BindRecordSet(RecordSet& records, Connection& connection) {
  Close(records);
  records.handle_ = connection.handle_;
  return records.handle_ != nullptr;
}

bool OpenQuery(RecordSet& records, const Text& sql, const std::vector<Text>& parameters) {
  Close(records);
  if (!records.handle_) return false;
  sqlite3_stmt* statement = PrepareOne(records.handle_->db, sql, parameters);
  if (!statement) return false;
  records.cursor_ = std::make_unique<RecordSet::Cursor>();
  records.cursor_->statement = statement;
  records.cursor_->Step();
  records.cursor_->onFirstRow = true;
  return true;
}

void MoveFirst(RecordSet& records) {
  auto* cursor = records.cursor_.get();
  if (!cursor || cursor->onFirstRow) return;
  sqlite3_reset(cursor->statement);
  cursor->Step();
  cursor->onFirstRow = true;
}

bool AtEnd(const RecordSet& records) { return !records.cursor_ || !records.cursor_->hasRow; }

void MoveNext(RecordSet& records) {
  if (!AtEnd(records)) records.cursor_->Step();
}

void ReadText(const RecordSet& records, std::string_view column, Text* value) {
  if (!value) return;
  value->clear();
  if (AtEnd(records)) return;
  sqlite3_stmt* statement = records.cursor_->statement;
  const int columns = sqlite3_column_count(statement);
  for (int i = 0; i < columns; ++i) {
    if (!SameNameIgnoringCase(column, sqlite3_column_name(statement, i))) continue;
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
    if (text) *value = Utf8ToGbk(std::string_view(text, sqlite3_column_bytes(statement, i)));
    return;
  }
}

void Close(RecordSet& records) { records.cursor_.reset(); }

bool Execute(Connection& connection, const Text& sql, const std::vector<Text>& parameters) {
  if (!connection.handle_) return false;
  sqlite3_stmt* statement = PrepareOne(connection.handle_->db, sql, parameters);
  if (!statement) return false;
  int rc;
  while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
  }
  sqlite3_finalize(statement);
  return rc == SQLITE_DONE;
}
