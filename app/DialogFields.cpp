#include "app/DialogFields.h"

#include "datafiles/TextFields.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>
#include <limits>

std::int32_t ReadIntegerField(const QLineEdit& field)
{
    // The low 32 bits, as a 32-bit field stores an overlong number.
    return static_cast<std::int32_t>(ParseInteger(field.text().toStdString()));
}

double ReadRealField(const QLineEdit& field)
{
    return ParseReal(field.text().toStdString());
}

float ReadFloatField(const QLineEdit& field)
{
    const double value = ReadRealField(field);
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
        return value < 0.0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

QString FormatInteger(std::int64_t value)
{
    return QString::number(value);
}

QString FormatFixed(double value, int decimals)
{
    return QString::asprintf("%0.*f", decimals, value);
}

QLabel* MakeErrorLabel()
{
    auto* label = new QLabel;
    label->setObjectName(QStringLiteral("errorLabel"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #b00000;"));
    label->setVisible(false);
    return label;
}

void SetFieldError(QLabel& label, const QString& error)
{
    label.setText(error);
    label.setVisible(!error.isEmpty());
}
