#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The quiz window's own pictures, drawn so that they are crisp on any theme.

// Beside a choice that should have been ticked: a white tick on green.
QPixmap shouldBeCheckedMark(int side);
// Beside a choice that should not have been ticked: a white cross on red.
QPixmap shouldBeUncheckedMark(int side);

enum class StepArrow { First, Previous, Next, Last };
QIcon stepArrowIcon(StepArrow arrow, int side);
