// The search state and the two search modes: over the folder's candidates, or one chosen file.
#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

#include "search/file_layer.h"
#include "search/search.h"

namespace sucholin {

std::vector<std::string> CandidateList(CandidateSlots);
int32_t CandidateCount = 0;
std::string ChosenFolder;
std::string ChosenFile;

void ResetSearchState() {
  CandidateList.assign(CandidateSlots, std::string());
  CandidateCount = 0;
  ChosenFolder.clear();
  ChosenFile.clear();
}

namespace {

// What one candidate gave, kept until the candidates before it are handed on.
struct Scanned {
  std::string row;
  FileOutcome outcome = FileOutcome::ReadToEnd;
  bool done = false;
};

// Candidates read by a few worker threads, each taking the next unread one, and handed on in
// listing order by the thread that made the pool. At most one file per worker is open; what
// waits for its turn is rows only.
class FolderPool {
 public:
  FolderPool(const HeldFolder& held, std::string_view sought, size_t count)
      : folder(held), word(sought), results(count) {}
  FolderPool(const FolderPool&) = delete;
  FolderPool& operator=(const FolderPool&) = delete;
  // Leaves no worker behind, also when a sink threw: the workers stop after their file.
  ~FolderPool() {
    {
      const std::lock_guard lock(mutex);
      stopping = true;
    }
    for (std::thread& worker : workers) worker.join();
  }

  // Starts up to threads workers; false when not even one could be started.
  bool Start(int32_t threads) {
    try {
      for (int32_t i = 0; i < threads; ++i) workers.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
      // The system refused a further thread: those started do the work.
    }
    return !workers.empty();
  }

  // Hands each candidate's row and outcome on in listing order, each as soon as it and all
  // before it are done. A failure of a worker is thrown here, where the one-thread search would
  // have thrown it, after the rows before it.
  void Deliver(const RowSink& sink, const OutcomeSink& told) {
    for (size_t i = 0; i < results.size(); ++i) {
      Scanned result;
      {
        std::unique_lock lock(mutex);
        awaited = i;
        finished.wait(lock, [&] { return results[i].done || i == failedAt; });
        if (i == failedAt) std::rethrow_exception(failure);
        result = std::move(results[i]);
      }
      if (!result.row.empty()) sink(result.row);
      if (told) told(CandidateList[i], result.outcome);
    }
  }

 private:
  void Work() {
    std::unique_lock lock(mutex);
    size_t taken = 0;
    try {
      LineReader reader;  // one block for all of this worker's files
      while (!stopping && next < results.size()) {
        taken = next++;
        lock.unlock();
        Scanned result;
        result.outcome = ScanCandidate(reader, folder, CandidateList[taken], word,
                                       [&](std::string_view row) { result.row = row; });
        result.done = true;
        lock.lock();
        results[taken] = std::move(result);
        // Waking the deliverer for a row that cannot go out yet would only cost a switch.
        if (taken == awaited) finished.notify_one();
      }
    } catch (...) {
      // Out of memory, as a rule. No further candidate is taken; the first that failed counts.
      if (!lock.owns_lock()) lock.lock();
      if (taken < failedAt) {
        failedAt = taken;
        failure = std::current_exception();
      }
      stopping = true;
      finished.notify_one();
    }
  }

  const HeldFolder& folder;
  const std::string_view word;
  std::mutex mutex;
  std::condition_variable finished;  // the awaited result is done, or a worker failed
  size_t awaited = 0;                // the candidate whose result is to be handed on next
  std::vector<Scanned> results;      // one per candidate, in listing order
  size_t next = 0;                   // the first candidate no worker has taken
  bool stopping = false;
  size_t failedAt = SIZE_MAX;  // the first candidate whose scan threw
  std::exception_ptr failure;
  std::vector<std::thread> workers;
};

}  // namespace

// Reading a file costs an open and its bytes. A thread waits through the open, which takes a
// round trip on a file server or a seek on a cold disk, and then scans the bytes on a core.
// Threads waiting cost no core, so there are enough of them to keep 1 ms opens 32 deep (2,000
// such files in well under 0.2 s, measured), and at least four per core, so that the cores
// stay busy while some of their threads wait. A thread past the candidates would have nothing
// to do, and the cap bounds the open files and read blocks on very large machines.
int32_t FolderThreads(size_t candidates) {
  constexpr unsigned Waiting = 32;
  constexpr unsigned PerCore = 4;
  constexpr unsigned Most = 256;
  const unsigned cores = std::max(std::thread::hardware_concurrency(), 1u);
  const unsigned wanted = std::min(std::max(Waiting, PerCore * cores), Most);
  return static_cast<int32_t>(std::min<size_t>(wanted, candidates));
}

void SearchFolder(std::string_view word, const RowSink& sink, const OutcomeSink& told) {
  // The list stays as it is, so pressing "Suchen" again without a new folder choice lists the
  // same rows. The count is set by others; never read past the slots that exist.
  const size_t count =
      std::min(static_cast<size_t>(std::max(CandidateCount, 0)), CandidateList.size());
  const HeldFolder folder(ChosenFolder);
  const int32_t threads = FolderThreads(count);
  if (threads > 1) {
    FolderPool pool(folder, word, count);
    if (pool.Start(threads)) {
      pool.Deliver(sink, told);
      return;
    }
  }
  LineReader reader;
  for (size_t i = 0; i < count; ++i) {
    const FileOutcome outcome = ScanCandidate(reader, folder, CandidateList[i], word, sink);
    if (told) told(CandidateList[i], outcome);
  }
}

void SearchFile(std::string_view word, const RowSink& sink, const OutcomeSink& told) {
  const std::string name = file_layer::NamePart(ChosenFile);
  const FileOutcome outcome = ScanFile(ChosenFile, word, name, sink);
  if (told) told(name, outcome);
}

}  // namespace sucholin
