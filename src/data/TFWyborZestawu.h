#pragma once
// The photo-set chooser: a small modal dialog with a list "Zestaw nr k".
// Picking another item opens that set and stores the choice; a click on the
// dialog's panel closes it without a change.
#include <QComboBox>
#include <QDialog>
#include <QLabel>

struct AppContext;

class TFWyborZestawu : public QDialog {
    Q_OBJECT
public:
    TFWyborZestawu(AppContext& ctx, QWidget* parent);

    // Fills the list once at start-up; with one set or none it stays empty.
    void Fill(int photoSetCount);
    // Presets the list to the chosen set and shows the dialog modally.
    void Choose();

    QWidget* Panel1;
    QLabel* Label1;
    QComboBox* CWyborZestawu;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void CWyborZestawuChange(int index);

    AppContext& ctx;
};
