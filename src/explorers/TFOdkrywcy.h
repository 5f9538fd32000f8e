#pragma once
// The reader of texts about great explorers.
#include <QWidget>

struct AppContext;

class TFOdkrywcy : public QWidget {
    Q_OBJECT
public:
    TFOdkrywcy(AppContext& ctx, QWidget* parent);

private:
    AppContext& ctx;
};
