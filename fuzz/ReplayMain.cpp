// Runs a fuzz target over the saved inputs in a folder with any compiler, so that every input
// that once found a fault is tried again by the ordinary test run.
#include <QDirIterator>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char* argv[])
{
    int count = 0;
    for (QDirIterator it(QString::fromLocal8Bit(argc > 1 ? argv[1] : "."), QDir::Files);
         it.hasNext(); ++count) {
        QFile file(it.next());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        // A copy of exactly the file's size, so a sanitizer sees a read past its end.
        const auto data = std::make_unique<uint8_t[]>(size_t(bytes.size()));
        std::memcpy(data.get(), bytes.constData(), size_t(bytes.size()));
        LLVMFuzzerTestOneInput(data.get(), size_t(bytes.size()));
    }
    std::printf("%d inputs replayed without a fault\n", count);
    return count > 0 ? 0 : 1;
}
