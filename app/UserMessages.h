#pragma once

#include "datafiles/Converters.h"

#include <QMessageBox>
#include <QString>

#include <exception>
#include <functional>

class QWidget;

// Shows one of the program's message boxes. The windows hold one of these so
// that the interface tests can record the messages instead of blocking on a
// modal box.
using MessagePresenter =
    std::function<void(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text)>;

// The modal message box with an OK button.
void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text);

// A message of a run that shows no window (a print switch), on the standard
// error, prefixed with the program's name.
void ShowOnStandardError(const QString& text);

// The program's name, the caption of its own message boxes.
inline const QString kProgramName = QStringLiteral("Umbrant");

// The end message of a conversion.
QString ConversionMessage(ConversionStatus status);

// The text of the report of a command that an error ended; a file error names the file.
QString DescribeFailure(const std::exception& error);

// Runs a command; an error that escapes it ends the command and is reported
// with a stop icon, and the program goes on.
void RunCommand(const MessagePresenter& presenter, QWidget* parent, const std::function<void()>& command);
