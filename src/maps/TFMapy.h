#pragma once
// Countries on the continent maps: Learn, Test and Find.
#include <QComboBox>
#include <QWidget>

struct AppContext;

class TFMapy : public QWidget {
    Q_OBJECT
public:
    TFMapy(AppContext& ctx, QWidget* parent);
    QComboBox* ListaPanstw;  // the continent chooser

private:
    AppContext& ctx;
};
