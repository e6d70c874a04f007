// Lists the chosen folder once and keeps the names of its files with a searched extension.
#include "search/file_layer.h"
#include "search/search.h"

namespace sucholin {
namespace {

bool HasCandidateExtension(const std::string& name) {
  const std::string ext = file_layer::NameExtension(name);
  for (std::string_view candidate : CandidateExtensions) {
    if (TextEquals(ext, candidate)) return true;
  }
  return false;
}

// Stores name at slot CandidateCount if it has a searched extension; a folder with more
// qualifying files than slots grows the list instead of losing names.
void StoreIfCandidate(const std::string& name) {
  if (!HasCandidateExtension(name)) return;
  const size_t slot = static_cast<size_t>(CandidateCount);
  if (slot >= CandidateList.size()) CandidateList.resize(slot + 1);
  CandidateList[slot] = name;
  ++CandidateCount;
}

}  // namespace

ListingOutcome CollectCandidates(const std::string& folder,
                                 const std::function<void(const std::string&)>& showFolder) {
  DirectoryListing listing;
  if (!listing.OpenListing(folder)) return ListingOutcome::Unlisted;
  while (listing.NextEntry()) {
    const int32_t kind = listing.EntryKind();
    if (kind == DirectoryListing::Directory) continue;
    // A special file is never a candidate: opening one can block or have effects of its own.
    if (kind == DirectoryListing::File) StoreIfCandidate(listing.EntryName());
    showFolder(folder);
  }
  // The listing is closed as it goes out of scope.
  return listing.Broken() ? ListingOutcome::Truncated : ListingOutcome::Listed;
}

}  // namespace sucholin
