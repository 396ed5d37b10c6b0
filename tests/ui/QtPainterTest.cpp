// The painter on Qt: page units of 0.1 mm land on the device's pixels from
// the top left, text hangs below its point, and Times New Roman is asked for
// by name with a metric-compatible face standing in where it is missing.
#include <QFontInfo>
#include <QImage>
#include <QtTest>

#include "qtplatform/QtPainter.h"

namespace marigold {

class CQtPainterTest : public QObject {
  Q_OBJECT

 private slots:
  // At 254 dots per inch one unit is one pixel.
  void unitsAreTenthsOfAMillimetreDownwards() {
    QImage image(2100, 2970, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter qt(&image);
      CQtPainter painter(qt, 254);
      painter.SetPen({EPenStyle::Solid, 2, kBlack});
      painter.Rectangle({50, -2600}, {1950, -2800});
      painter.SetPen({EPenStyle::Solid, 4, kRed});
      painter.Line({1000, -1000}, {1000, -1500});
      painter.SetFont({kPrintFace, 36, 400, 0});
      painter.Text({100, -100}, "Route,   page 1 of 2");
    }
    const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    QVERIFY(dark(1000, 2600) && dark(1000, 2800) && dark(50, 2700) && dark(1950, 2700));
    QVERIFY(!dark(1000, 2700));
    QCOMPARE(QColor(image.pixel(1000, 1250)), QColor(Qt::red));
    QVERIFY(!dark(1010, 1250));
    // The text hangs below y 100 (its top) within its 3.6 mm height.
    int top = -1, bottom = -1;
    for (int y = 60; y < 160; ++y)
      for (int x = 100; x < 500; ++x)
        if (dark(x, y)) {
          if (top < 0) top = y;
          bottom = y;
        }
    QVERIFY2(top >= 100 && bottom <= 100 + 40, qPrintable(QString("%1..%2").arg(top).arg(bottom)));
  }

  void timesNewRomanOrAFaceOfItsMetrics() {
    QImage image(100, 100, QImage::Format_RGB32);
    QPainter qt(&image);
    CQtPainter painter(qt, 254);
    painter.SetFont({kPrintFace, 36, 700, 0});
    const QString family = QFontInfo(qt.font()).family();
    QVERIFY2(family == "Times New Roman" || family == "Liberation Serif", qPrintable(family));
    QVERIFY(QFontInfo(qt.font()).bold());
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CQtPainterTest)
#include "QtPainterTest.moc"
