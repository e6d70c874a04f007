// The search state and the two search modes: over the folder's candidates, or one chosen file.
#include <algorithm>

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

void SearchFolder(std::string_view word, const RowSink& sink) {
  // The list stays as it is, so pressing "Suchen" again without a new folder choice lists the
  // same rows. The count is set by others; never read past the slots that exist.
  const size_t count =
      std::min(static_cast<size_t>(std::max(CandidateCount, 0)), CandidateList.size());
  for (size_t i = 0; i < count; ++i) {
    ScanFile(ChosenFolder + CandidateList[i], word, CandidateList[i], sink);
  }
}

void SearchFile(std::string_view word, const RowSink& sink) {
  ScanFile(ChosenFile, word, FileNamePart(ChosenFile), sink);
}

}  // namespace sucholin
