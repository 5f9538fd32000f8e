#include "explorers/TFOdkrywcy.h"

#include "app/AppContext.h"

TFOdkrywcy::TFOdkrywcy(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx(ctx) {
    setObjectName("TFOdkrywcy");
    setFixedSize(489, 366);
    hide();
}
