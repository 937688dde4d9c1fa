#pragma once

#include "core/FormDesign.hpp"

#include <QString>

#include <span>

class QWidget;

namespace desktop {

class ScaledForm;

inline QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Makes every control of a window's design inside the window, each named
// after its design name, and gives the window its title, font and colour.
void buildForm(QWidget* window, const core::FormDesign& design);

// Sizes and scales a main window as its form does when it loads, places its
// window-unit children, sets its pictures' scales and anchors their controls.
void applyLoad(ScaledForm& form, const core::FormLoad& load);

// Shows the program's state in the window's controls, or in one control.
void applyView(QWidget& window, const core::FormView& view);
void applyState(QWidget* control, const core::ControlState& state);

// Brings the screen-reader texts that follow the program's state up to date.
void applyStateTexts(const QWidget& window, std::span<const core::StateText> texts);

} // namespace desktop
