// The program: start-up, the event loop and its five commands, over the window and shell contracts.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "search/name_text.h"
#include "search/search.h"
#include "shell/shell.h"
#include "ui/texts.h"
#include "ui/ui.h"

namespace sucholin {
namespace {

// The file each listed row was read from, by row. Kept with the rows so that a double click
// opens the file the search read, whatever the option buttons and PathField show by then.
std::vector<std::string> ListedTargets;

bool FolderMode() { return GetControlState(FolderOption) == 1; }
bool FileMode() { return GetControlState(FileOption) == 1; }

void ClearResultRows() {
  ClearRows(ResultList);
  ListedTargets.clear();
}

void ClearFields() {
  SetControlText(PathField, "");
  SetControlText(WordField, "");
}

// PathField shows what a search reads. A cancelled or failed chooser answers "" and changes
// nothing, so the previous choice stays; a chosen folder is shown even when it holds no file.
void Choose() {
  ClearResultRows();
  if (FolderMode()) {
    std::string folder = ChooseFolder(texts::FolderChooserTitle, texts::FolderChooserStart);
    if (folder.empty()) return;
    ChosenFolder = std::move(folder);
    CandidateCount = 0;
    CollectCandidates(ChosenFolder, [](const std::string&) {});
    SetControlText(PathField, ChosenFolder);
  } else if (FileMode()) {
    std::string file =
        ChooseFile(texts::FileChooserTitle, texts::FileChooserDefault, texts::FileChooserFilter, 0);
    if (file.empty()) return;
    ChosenFile = std::move(file);
    SetControlText(PathField, ChosenFile);
  }
}

// The row's name is all before its last line feed: the line numbers hold none.
std::string_view RowName(std::string_view row) { return row.substr(0, row.rfind('\n')); }

// The row as the list shows it: the name escaped, so that a line feed or tab in it can neither
// split the row nor hide in it. The file itself is kept in ListedTargets.
void ListRow(std::string_view row, std::string target) {
  ListedTargets.push_back(std::move(target));
  const std::string_view name = RowName(row);
  AddRow(ResultList, -1, EscapedName(name) + std::string(row.substr(name.size())));
}

void Search(bool inFolder) {
  ClearResultRows();
  const bool noPath = GetControlText(PathField).empty();
  const std::string word = GetControlText(WordField);
  if (noPath) ShowNotice(texts::NoticeCaption, texts::PathNotice, texts::NoticeStyle);
  if (word.empty()) ShowNotice(texts::NoticeCaption, texts::WordNotice, texts::NoticeStyle);
  if (noPath || word.empty()) return;

  if (inFolder) {
    SearchFolder(
        word, [](std::string_view row) { ListRow(row, ChosenFolder + std::string(RowName(row))); });
  } else {
    SearchFile(word, [](std::string_view row) { ListRow(row, ChosenFile); });
  }
}

void OpenListedFile() {
  const int32_t row = GetControlState(ResultList);
  if (row < 0 || static_cast<size_t>(row) >= ListedTargets.size()) return;
  OpenDocument(ListedTargets[static_cast<size_t>(row)]);
}

}  // namespace

bool HandleEvent(const Event& event) {
  if (event.kind == EventKind::CloseEvent) return event.window != MainWindow;
  if (event.kind != EventKind::ControlEvent) return true;

  switch (event.control) {
    case FolderOption:
    case FileOption: ClearFields(); break;
    case SelectButton: Choose(); break;
    case SearchButton:
      if (FolderMode()) {
        Search(true);
      } else if (FileMode()) {
        Search(false);
      }
      break;
    case WebsiteButton: OpenDocument(texts::WebsiteAddress); break;
    case ResultList:
      if (event.type == DoubleClick) OpenListedFile();
      break;
    default:  // the frames, PathField, WordField and unknown ids
      break;
  }
  return true;
}

int RunSucholin() {
  ResetSearchState();
  // Without a window no event would ever come; the backend has said why.
  if (!CreateMainWindow()) return 1;
  while (HandleEvent(WaitEvent())) {
  }
  return 0;
}

}  // namespace sucholin
