// MainWindow, described once: its size, every control in creation order (which is also the
// stacking order and the order of keyboard navigation) and the result list's columns. Both
// window backends build the window from this, and the window contract checks what they built
// against it. The rules that follow from the order are written here too.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <string_view>
#include <vector>

#include "ui/texts.h"
#include "ui/ui.h"

namespace sucholin::layout {

inline constexpr int ClientWidth = 451;
inline constexpr int ClientHeight = 320;

// What a control is for; each backend has its own control class for a kind.
enum class Kind { Option, Frame, Field, ReadOnlyField, Button, List, GroupBox };

struct Place {
  int x, y, width, height;
  bool operator==(const Place&) const = default;
};

struct Control {
  int32_t id;
  Kind kind;
  const char* name;
  Place place;             // in the client area
  const char* text;        // the caption, or a field's start text
  const char* spokenName;  // what a screen reader says for a control without a caption
  bool checked;            // an option checked at the start
  bool ownColors;          // black text on PanelBlue, not the desktop's colours
};

// clang-format off
inline constexpr Control Controls[] = {
    {FolderOption,   Kind::Option,        "FolderOption",   {15, 25, 80, 17},    texts::FolderOptionText,  "",                    true,  true},
    {FileOption,     Kind::Option,        "FileOption",     {15, 42, 95, 23},    texts::FileOptionText,    "",                    false, true},
    {SelectionFrame, Kind::Frame,         "SelectionFrame", {10, 10, 105, 70},   "",                       "",                    false, false},
    {PathField,      Kind::ReadOnlyField, "PathField",      {120, 10, 260, 25},  "",                       texts::PathFieldName,  false, false},
    {WordField,      Kind::Field,         "WordField",      {120, 35, 260, 25},  "",                       texts::WordFieldName,  false, false},
    {SelectButton,   Kind::Button,        "SelectButton",   {385, 10, 65, 25},   texts::SelectButtonText,  "",                    false, false},
    {SearchButton,   Kind::Button,        "SearchButton",   {385, 37, 65, 25},   texts::SearchButtonText,  "",                    false, false},
    {WebsiteButton,  Kind::Button,        "WebsiteButton",  {75, 290, 300, 25},  texts::WebsiteButtonText, "",                    false, false},
    {ResultList,     Kind::List,          "ResultList",     {10, 120, 429, 150}, "",                       texts::ResultListName, false, false},
    {ResultFrame,    Kind::GroupBox,      "ResultFrame",    {5, 105, 442, 175},  texts::ResultFrameText,   "",                    false, true},
};
// clang-format on

struct Column {
  const char* title;
  int width;
};
inline constexpr Column ResultColumns[] = {{texts::FileColumn, 140}, {texts::LinesColumn, 500}};

// Null for an id that names no control.
constexpr const Control* Find(int32_t id) {
  for (const Control& control : Controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

constexpr bool Is(int32_t id, Kind kind) {
  const Control* control = Find(id);
  return control && control->kind == kind;
}

constexpr bool IsFrame(Kind kind) { return kind == Kind::Frame || kind == Kind::GroupBox; }

// Frames only enclose; every other control takes the focus, each option a stop of its own.
constexpr bool IsTabStop(Kind kind) { return !IsFrame(kind); }

// An option right after a control that is not an option starts a group of its own.
constexpr bool StartsGroup(const Control& control) {
  return control.kind == Kind::Option &&
         (&control == Controls || (&control - 1)->kind != Kind::Option);
}

// The options of the group the option belongs to; none for a control that is no option.
constexpr std::span<const Control> GroupOf(int32_t id) {
  const Control* first = Find(id);
  if (!first || first->kind != Kind::Option) return {};
  while (!StartsGroup(*first)) --first;
  const Control* end = first + 1;
  while (end != std::end(Controls) && end->kind == Kind::Option) ++end;
  return {first, end};
}

// Where Tab (forward) or Shift+Tab moves the focus from control current (-1: none): the next
// tab stop in creation order that usable(id) allows, wrapping around at both ends; without a
// current control the first or the last. -1 when no stop is usable.
template <typename Usable>
int32_t NextTabStop(int32_t current, bool forward, Usable usable) {
  const auto count = static_cast<std::ptrdiff_t>(std::size(Controls));
  const Control* at = Find(current);
  const std::ptrdiff_t start = at ? at - Controls : (forward ? -1 : count);
  for (std::ptrdiff_t step = 1; step <= count; ++step) {
    const Control& next = Controls[((start + (forward ? step : -step)) % count + count) % count];
    if (IsTabStop(next.kind) && usable(next.id)) return next.id;
  }
  return -1;
}

// A row's cells as AddRow gets them: the parts of text between line feeds, one per column;
// parts beyond the last column are dropped.
inline std::vector<std::string_view> RowCells(std::string_view text) {
  std::vector<std::string_view> cells;
  for (size_t start = 0; cells.size() < std::size(ResultColumns) && start <= text.size();) {
    const size_t end = std::min(text.find('\n', start), text.size());
    cells.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return cells;
}

}  // namespace sucholin::layout
