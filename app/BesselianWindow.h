#pragma once

#include <QDialog>

class CCurrentEclipse;
class QPlainTextEdit;

// "Eléments de Bessel": the fitted elements of the current eclipse in the
// canons' layout, the same table as "umbrant-cli besselian" prints, with a
// French heading and notes. Follows the current eclipse; the text can be
// selected, and "Copier" copies all of it.
class CBesselianWindow : public QDialog {
    Q_OBJECT

public:
    explicit CBesselianWindow(CCurrentEclipse& eclipse, QWidget* parent = nullptr);

    // Shows the elements of the current eclipse, or why there are none.
    void Refresh();
    QString Text() const;

private:
    CCurrentEclipse& m_eclipse;
    QPlainTextEdit* m_text = nullptr;
};

struct EclipseSummary;
struct FittedElements;

// The window's text for an eclipse and its elements.
QString BesselianElementsText(const EclipseSummary& eclipse, const FittedElements& elements);
