// Feeds every file of a corpus folder once to the fuzz target, so the suite replays the corpus on
// any compiler: a property the target checks aborts the run.
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char* argv[])
{
    const QDir corpus(argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString());
    const QStringList names = corpus.entryList(QDir::Files);
    for (const QString& name : names) {
        QFile file(corpus.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName())), 1;
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()),
                               size_t(bytes.size()));
    }
    std::printf("%lld inputs\n", qint64(names.size()));
    return names.isEmpty() ? 1 : 0;
}
