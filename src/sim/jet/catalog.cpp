#include "sim/jet/catalog.h"

#include "com/error.h"

#include "sim/jet/dao_errors.h"
#include "sim/jet/definition_cache.h"
#include "sim/jet/sqlite_transaction.h"

namespace sim::jet {

Catalog::Catalog(std::unique_ptr<SqliteConnection> connection, platform::Clock& clock,
                 Account account, std::unique_ptr<SessionLease> lease)
    : connection_(std::move(connection)),
      clock_(clock),
      account_(std::move(account)),
      lease_(std::move(lease)),
      definitions_(std::make_unique<DefinitionCache>()) {}

Catalog::~Catalog() = default;

SqliteConnection& Catalog::db() {
  if (!connection_) RaiseDao(kDaoObjectInvalid);
  return *connection_;
}

bool Catalog::read_only() { return db().read_only(); }

void Catalog::Write(const std::function<void()>& work) {
  if (read_only()) RaiseDao(kDaoReadOnly);
  if (write_depth_ > 0) return work();
  db().Hold();
  SqliteTransaction transaction(db());
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(++d) {}
    ~Depth() { --depth; }
  } depth(write_depth_);
  work();
  transaction.Commit();
}

void Catalog::Close() {
  std::optional<com::Error> failure;
  if (connection_) failure = com::Capture([&] { connection_->Release(); });
  connection_.reset();
  lease_.reset();
  if (failure) throw *failure;
}

void Catalog::CheckFault(const std::string& operation) {
  if (lease_) lease_->sessions().CheckFault(operation);
}

}  // namespace sim::jet
