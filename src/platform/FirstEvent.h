// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Deferring work to the first event of a kind an object receives: pictures
// decoded at a widget's first showing, sounds set up after the first paint.
#include <QEvent>
#include <QObject>
#include <functional>

// Runs task once, when target first receives an event of this type, before
// target handles it. Nothing runs if target is destroyed first.
void AtFirstEvent(QObject* target, QEvent::Type type, std::function<void()> task);
