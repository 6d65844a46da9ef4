#pragma once

#include <QString>

class CDigitsEdit;
class QLineEdit;
class QRadioButton;
class QWidget;

// An angle entered as degrees, minutes and seconds of arc with its two
// hemispheres ("Est"/"Ouest", "Nord"/"Sud"): the sign is given only by the
// radio buttons. The fields are read by the dialogs' leading-number rules.
class CAngleFields {
public:
    // A group box titled title holding the fields, named namePrefix followed
    // by "DegreesEdit", "MinutesEdit", "SecondsEdit", "PositiveButton" and
    // "NegativeButton". The fields belong to the group.
    QWidget* MakeGroup(const QString& title, const QString& positive, const QString& negative, const QString& namePrefix);

    // Shows degrees as whole degrees, whole minutes and seconds with three
    // decimals; the minutes are not carried when the seconds round up to 60.000.
    void Show(double degrees) const;
    // Degrees + minutes/60 + seconds/3600, negated unless the positive
    // hemisphere is ticked.
    double Read() const;

private:
    CDigitsEdit* m_degrees = nullptr;
    CDigitsEdit* m_minutes = nullptr;
    QLineEdit* m_seconds = nullptr;
    QRadioButton* m_positive = nullptr;
    QRadioButton* m_negative = nullptr;
};
