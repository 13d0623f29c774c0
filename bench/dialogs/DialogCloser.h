#pragma once

#include <QObject>

namespace bench {

// Closes every modal dialog of the application as soon as it has been shown, the way a user
// answers it: a message box by its Esc button (No, or OK), any other dialog by cancelling it.
class DialogCloser : public QObject {
    Q_OBJECT

public:
    explicit DialogCloser(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace bench
