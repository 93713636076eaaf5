// The checks of a downloaded update program (size, SHA-256, Ed25519 signature) and its
// download from a server on 127.0.0.1 into a file, for programs of 1, 8 and 32 MB.
#include "update/LocalHttpServer.h"

#include "update/HttpTransfer.h"
#include "update/UpdateVerifier.h"

#include <QCoreApplication>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>

#include <sodium.h>

namespace {

QByteArray program(qint64 megabytes) {
    QByteArray bytes(static_cast<qsizetype>(megabytes) * 1024 * 1024, '\0');
    randombytes_buf(bytes.data(), static_cast<size_t>(bytes.size()));
    return bytes;
}

void Verify(benchmark::State& state) {
    if (sodium_init() < 0) {
        state.SkipWithError("libsodium");
        return;
    }
    const QByteArray bytes = program(state.range(0));
    QByteArray publicKey(crypto_sign_PUBLICKEYBYTES, '\0');
    QByteArray secretKey(crypto_sign_SECRETKEYBYTES, '\0');
    crypto_sign_keypair(reinterpret_cast<unsigned char*>(publicKey.data()),
                        reinterpret_cast<unsigned char*>(secretKey.data()));
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(bytes.constData()),
                         static_cast<unsigned long long>(bytes.size()),
                         reinterpret_cast<const unsigned char*>(secretKey.constData()));
    QByteArray sum(crypto_hash_sha256_BYTES, '\0');
    crypto_hash_sha256(reinterpret_cast<unsigned char*>(sum.data()),
                       reinterpret_cast<const unsigned char*>(bytes.constData()),
                       static_cast<unsigned long long>(bytes.size()));
    const QString sha = QString::fromLatin1(sum.toHex());
    const QString signed64 = QString::fromLatin1(signature.toBase64());
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            UpdateVerifier::Check(bytes, bytes.size(), sha, signed64, publicKey));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(Verify)->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);

void Download(benchmark::State& state) {
    LocalHttpServer server;
    const QByteArray bytes = program(state.range(0));
    server.serve(QStringLiteral("/telecha/OrvanelMAJ.exe"), LocalHttpServer::File::Plain(bytes));
    HttpTransfer http;
    QUrl url = server.url();
    url.setPath(QStringLiteral("/telecha/OrvanelMAJ.exe"));
    for (auto _ : state) {
        QTemporaryFile file;
        file.open();
        if (!http.get(url, file).ok() || file.size() != bytes.size()) {
            state.SkipWithError("download");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(Download)->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
