// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace tilora {

// Takes a picture file dropped from a file manager onto the window: exactly one local
// file is accepted. The file arrives once the drop is over, since the file manager waits
// for it to end and the questions and messages come after.
class FileDrop final : public QObject {
    Q_OBJECT
public:
    explicit FileDrop(QWidget& window);

signals:
    void fileDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tilora
