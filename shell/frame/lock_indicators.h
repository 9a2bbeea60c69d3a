#pragma once
// The CAP, NUM and SCRL panes of the status bar: lit while their lock key is
// on, where the window system tells us; dimmed otherwise.

#include <QList>
#include <QObject>

class QLabel;

class CLockIndicators : public QObject {
    Q_OBJECT

  public:
    explicit CLockIndicators(QWidget* parent);

    QList<QLabel*> Labels() const { return labels_; }

    // Reads the lock keys again; leaves everything dimmed when the window
    // system cannot say.
    void Refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<QLabel*> labels_;
};
