// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one exception type of the program: a readable message for the user.
// The data layer throws it; windows catch it and show it in a message box.
#include <QString>
#include <stdexcept>

class TarvoError : public std::runtime_error {
public:
    explicit TarvoError(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    QString message() const { return text; }

private:
    QString text;
};
