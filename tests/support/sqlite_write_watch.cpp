#include "support/sqlite_write_watch.h"

#include <sqlite3.h>

#include <utility>

namespace testing_support {
namespace write_watch {

// SQLite's own file, kept right after the watched one in the space SQLite
// gives each open file (szOsFile below).
struct WatchedFile {
  sqlite3_file base;
  sqlite3_file* real;
};

sqlite3_vfs* real_vfs = nullptr;
sqlite3_vfs watched_vfs;
sqlite3_io_methods watched_methods;
std::function<void(int)> watcher;
int writes = 0;

void BeforeWrite() {
  if (watcher) watcher(++writes);
}

sqlite3_file* Real(sqlite3_file* file) { return reinterpret_cast<WatchedFile*>(file)->real; }

int Close(sqlite3_file* f) { return Real(f)->pMethods->xClose(Real(f)); }
int Read(sqlite3_file* f, void* data, int size, sqlite3_int64 offset) {
  return Real(f)->pMethods->xRead(Real(f), data, size, offset);
}
int Write(sqlite3_file* f, const void* data, int size, sqlite3_int64 offset) {
  BeforeWrite();
  return Real(f)->pMethods->xWrite(Real(f), data, size, offset);
}
int Truncate(sqlite3_file* f, sqlite3_int64 size) {
  BeforeWrite();
  return Real(f)->pMethods->xTruncate(Real(f), size);
}
int Sync(sqlite3_file* f, int flags) {
  BeforeWrite();
  return Real(f)->pMethods->xSync(Real(f), flags);
}
int FileSize(sqlite3_file* f, sqlite3_int64* size) {
  return Real(f)->pMethods->xFileSize(Real(f), size);
}
int Lock(sqlite3_file* f, int level) { return Real(f)->pMethods->xLock(Real(f), level); }
int Unlock(sqlite3_file* f, int level) { return Real(f)->pMethods->xUnlock(Real(f), level); }
int CheckReservedLock(sqlite3_file* f, int* out) {
  return Real(f)->pMethods->xCheckReservedLock(Real(f), out);
}
int FileControl(sqlite3_file* f, int op, void* arg) {
  return Real(f)->pMethods->xFileControl(Real(f), op, arg);
}
int SectorSize(sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); }
int DeviceCharacteristics(sqlite3_file* f) {
  return Real(f)->pMethods->xDeviceCharacteristics(Real(f));
}
int ShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out) {
  return Real(f)->pMethods->xShmMap(Real(f), region, size, extend, out);
}
int ShmLock(sqlite3_file* f, int offset, int n, int flags) {
  return Real(f)->pMethods->xShmLock(Real(f), offset, n, flags);
}
void ShmBarrier(sqlite3_file* f) { Real(f)->pMethods->xShmBarrier(Real(f)); }
int ShmUnmap(sqlite3_file* f, int remove) { return Real(f)->pMethods->xShmUnmap(Real(f), remove); }
int Fetch(sqlite3_file* f, sqlite3_int64 offset, int size, void** out) {
  return Real(f)->pMethods->xFetch(Real(f), offset, size, out);
}
int Unfetch(sqlite3_file* f, sqlite3_int64 offset, void* page) {
  return Real(f)->pMethods->xUnfetch(Real(f), offset, page);
}

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* out_flags) {
  auto* watched = reinterpret_cast<WatchedFile*>(file);
  watched->real = reinterpret_cast<sqlite3_file*>(watched + 1);
  const int result = real_vfs->xOpen(real_vfs, name, watched->real, flags, out_flags);
  watched->base.pMethods =
      result == SQLITE_OK && watched->real->pMethods ? &watched_methods : nullptr;
  return result;
}

int Delete(sqlite3_vfs*, const char* name, int sync_dir) {
  BeforeWrite();
  return real_vfs->xDelete(real_vfs, name, sync_dir);
}

}  // namespace write_watch

void WatchSqliteWrites(std::function<void(int)> before_write) {
  using namespace write_watch;
  watcher = std::move(before_write);
  if (real_vfs) return;
  real_vfs = sqlite3_vfs_find(nullptr);
  watched_methods = {3,          Close,   Read,     Write,      Truncate,  Sync,
                     FileSize,   Lock,    Unlock,   CheckReservedLock,     FileControl,
                     SectorSize, DeviceCharacteristics, ShmMap, ShmLock,   ShmBarrier,
                     ShmUnmap,   Fetch,   Unfetch};
  watched_vfs = *real_vfs;
  watched_vfs.zName = "quillnet-watched";
  watched_vfs.pNext = nullptr;
  watched_vfs.szOsFile = static_cast<int>(sizeof(WatchedFile)) + real_vfs->szOsFile;
  watched_vfs.xOpen = Open;
  watched_vfs.xDelete = Delete;
  sqlite3_vfs_register(&watched_vfs, 1);
}

}  // namespace testing_support
