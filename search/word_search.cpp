// The search state and the two search modes: over the folder's candidates, or one chosen file.
#include <algorithm>

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

void SearchFolder(std::string_view word, const RowSink& sink, const OutcomeSink& told) {
  // The list stays as it is, so pressing "Suchen" again without a new folder choice lists the
  // same rows. The count is set by others; never read past the slots that exist.
  const size_t count =
      std::min(static_cast<size_t>(std::max(CandidateCount, 0)), CandidateList.size());
  const HeldFolder folder(ChosenFolder);
  for (size_t i = 0; i < count; ++i) {
    const FileOutcome outcome = ScanCandidate(folder, CandidateList[i], word, sink);
    if (told) told(CandidateList[i], outcome);
  }
}

void SearchFile(std::string_view word, const RowSink& sink, const OutcomeSink& told) {
  const std::string name = file_layer::NamePart(ChosenFile);
  const FileOutcome outcome = ScanFile(ChosenFile, word, name, sink);
  if (told) told(name, outcome);
}

}  // namespace sucholin
