// The Qt widget of a control, found by its object name; the main window for an id that names none.
#pragma once

#include <QWidget>
#include <cstdint>

namespace sucholin::testing {

QWidget* Widget(int32_t id);

}  // namespace sucholin::testing
