#pragma once

#include <QString>

#include <cstdint>

class QLabel;
class QLineEdit;

// The dialogs read their fields by the leading-number rules: an integer field
// is read up to the first character that is not part of a number, and a field
// that does not begin with a number counts as 0.
std::int32_t ReadIntegerField(const QLineEdit& field);
double ReadRealField(const QLineEdit& field);
// A real field stored in a 32-bit float: beyond the float range it becomes
// an infinity of its sign, as IEEE rounding has it, instead of an undefined
// conversion.
float ReadFloatField(const QLineEdit& field);

// "%d" and "%0.Nf", with "." as the separator whatever the locale.
QString FormatInteger(std::int64_t value);
QString FormatFixed(double value, int decimals);

// The line of a dialog that says why "OK" did not close it: red, wrapped,
// named "errorLabel", empty until SetFieldError fills it.
QLabel* MakeErrorLabel();
// Shows error in the label (an empty error clears it).
void SetFieldError(QLabel& label, const QString& error);
