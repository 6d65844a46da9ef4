#pragma once

#include <QString>

#include <optional>

class CDigitsEdit;
class QLineEdit;
class QRadioButton;
class QWidget;

// Which angle the fields hold: its range and its hemisphere letters.
enum class AngleAxis { Longitude, Latitude };

// What was typed into the fields of one angle.
struct AngleEntry {
    QString degrees;
    QString minutes;
    QString seconds;
    bool positiveHemisphere = true;  // the "Est" or "Nord" button
};

// An angle read from its fields, or why it cannot be (a translated
// sentence) and which field to correct.
struct AngleReading {
    enum class Field { Degrees, Minutes, Seconds };
    std::optional<double> degrees;
    QString error;
    Field field = Field::Degrees;
};

// Reads an angle typed either as degrees, minutes and seconds of arc or as
// decimal degrees ("3.70", "3,70", "-3.7", "3.7 W", "O 3.7", "42.34N"): a
// sign or a hemisphere letter (N, S; E, W or O) typed with the degrees
// gives the hemisphere, otherwise the buttons do. Empty minutes and seconds
// count as 0; decimal degrees take none. The degrees may not pass 180 (a
// longitude) or 90 (a latitude), the minutes are whole and below 60, the
// seconds below 60.
AngleReading ReadAngle(const AngleEntry& entry, AngleAxis axis);

// An angle entered as degrees, minutes and seconds of arc with its two
// hemispheres ("Est"/"Ouest", "Nord"/"Sud"), or as decimal degrees in the
// degrees field, read by ReadAngle.
class CAngleFields {
public:
    // A group box titled title holding the fields, named namePrefix followed
    // by "DegreesEdit", "MinutesEdit", "SecondsEdit", "PositiveButton" and
    // "NegativeButton". The fields belong to the group.
    QWidget* MakeGroup(AngleAxis axis, const QString& title, const QString& positive, const QString& negative,
                       const QString& namePrefix);

    // Shows degrees as whole degrees, whole minutes and seconds with three
    // decimals; the minutes are not carried when the seconds round up to 60.000.
    void Show(double degrees) const;
    // The angle typed; on an error the field to correct takes the focus.
    AngleReading Read() const;

private:
    AngleAxis m_axis = AngleAxis::Longitude;
    QLineEdit* m_degrees = nullptr;
    CDigitsEdit* m_minutes = nullptr;
    QLineEdit* m_seconds = nullptr;
    QRadioButton* m_positive = nullptr;
    QRadioButton* m_negative = nullptr;
};
