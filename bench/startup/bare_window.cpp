// The yardstick for start-up: a bare Qt Widgets window of Cirquet's client size.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Bare Qt window"));
  label.resize(963, 763);
  label.show();
  return QApplication::exec();
}
