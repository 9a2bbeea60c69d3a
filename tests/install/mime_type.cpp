// Prints the type Qt's MIME database gives a file, and the type's comment in
// the language of the environment: what a Qt file manager would show.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <cstdio>

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Usage: torvane_mime_type FILE\n", stderr);
        return 2;
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QString::fromLocal8Bit(argv[1]));
    std::printf("%s\n%s\n", type.name().toUtf8().constData(), type.comment().toUtf8().constData());
    return 0;
}
