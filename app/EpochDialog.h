#pragma once

#include <QDialog>

class CObservation;
class CDigitsEdit;
class QCheckBox;
class QDateTime;
class QGridLayout;
class QLineEdit;
class QPushButton;

// "Choix du temps": the epoch of the map in Universal Time and the choice of
// Delta T. The observation changes only on "Ok".
class CEpochDialog : public QDialog {
    Q_OBJECT

public:
    CEpochDialog(CObservation& observation, QWidget* parent = nullptr);

    // Stores every field into the observation and closes the dialog.
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

    CObservation& m_observation;
    CDigitsEdit* m_dayEdit = nullptr;
    CDigitsEdit* m_monthEdit = nullptr;
    CDigitsEdit* m_yearEdit = nullptr;
    CDigitsEdit* m_hourEdit = nullptr;
    CDigitsEdit* m_minuteEdit = nullptr;
    CDigitsEdit* m_secondEdit = nullptr;
    QCheckBox* m_deltaTAutoBox = nullptr;
    QLineEdit* m_deltaTEdit = nullptr;
    QLineEdit* m_timeZoneEdit = nullptr;
};
