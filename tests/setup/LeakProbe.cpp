// Leaks on purpose inside a Qt test slot: the run must report it with the project's suppression file,
// or that file would be hiding the leaks of our own code.
#include <QObject>
#include <QTest>

class LeakProbe : public QObject {
    Q_OBJECT
private slots:
    void leaksOneObject() {
        auto* lost = new QObject;
        lost->setObjectName(QStringLiteral("deliberately lost"));
        QVERIFY(lost != nullptr);
    }
};

QTEST_GUILESS_MAIN(LeakProbe)
#include "LeakProbe.moc"
