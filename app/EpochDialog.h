#pragma once

#include <QDialog>

#include <functional>
#include <optional>

class CObservation;
struct CDocumentOptions;
class CDigitsEdit;
class QCheckBox;
class QDateTime;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// "Choix du temps": the epoch of the map in Universal Time, the choice of
// Delta T and the document's offset of local time. "Ok" stores them once
// every field reads right (a date that exists, in the years the program
// computes; a time of day; numbers where numbers go), and otherwise says
// what is wrong and stays open.
class CEpochDialog : public QDialog {
    Q_OBJECT

public:
    // The Delta T in seconds that the map uses for an epoch when Delta T is
    // automatic; none when it cannot be told.
    using AutomaticDeltaT = std::function<std::optional<double>(const CObservation& epoch)>;

    CEpochDialog(CObservation& observation, CDocumentOptions& options, QWidget* parent = nullptr);

    // With automatic Delta T ticked, the greyed field shows what deltaT
    // gives for the date and time in the fields (the given value comes back
    // when the box is unticked).
    void SetAutomaticDeltaT(AutomaticDeltaT deltaT);

    // Stores every field into the observation and the options and closes
    // the dialog, or shows why a field is refused.
    void accept() override;

private:
    QWidget* MakeTimeGroup();
    QWidget* MakeOffsetGroup();
    QWidget* MakeNowButtons();
    QWidget* MakeClosingButtons();
    void AddSpinField(QGridLayout& layout, int row, int column, const QString& label, CDigitsEdit*& edit,
                      const char* name, int minimum, int maximum);
    void FillFields();
    void ShowDateTime(const QDateTime& universal);
    void ShowTime(int hour, int minute, double second);
    void OnAutomaticToggled(bool automatic);
    void ShowAutomaticDeltaT();
    // The epoch in the fields, or none after showing what is wrong.
    std::optional<CObservation> ReadEpoch();
    bool Refuse(QLineEdit& field, const QString& error);

    CObservation& m_observation;
    CDocumentOptions& m_options;
    AutomaticDeltaT m_automaticDeltaT;
    QString m_givenDeltaT;  // the given Delta T while the field shows the automatic one
    bool m_showingGiven = true;  // the field shows (and edits) the given Delta T
    CDigitsEdit* m_dayEdit = nullptr;
    CDigitsEdit* m_monthEdit = nullptr;
    CDigitsEdit* m_yearEdit = nullptr;
    CDigitsEdit* m_hourEdit = nullptr;
    CDigitsEdit* m_minuteEdit = nullptr;
    CDigitsEdit* m_secondEdit = nullptr;
    QCheckBox* m_deltaTAutoBox = nullptr;
    QLineEdit* m_deltaTEdit = nullptr;
    QLineEdit* m_timeZoneEdit = nullptr;
    QLabel* m_error = nullptr;
};
