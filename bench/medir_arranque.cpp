// Runs two programs in turn, many times, and compares the medians of their
// wall times from spawning to exit: medir_arranque N PROGRAM_A PROGRAM_B [ARG],
// ARG given to both.
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

const char* gArgumento = nullptr;

double Ejecutar(const char* programa) {
    const auto inicio = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* argumentos[] = {const_cast<char*>(programa), const_cast<char*>(gArgumento), nullptr};
    if (posix_spawn(&pid, programa, nullptr, nullptr, argumentos, environ) != 0) {
        std::fprintf(stderr, "cannot run %s\n", programa);
        std::exit(2);
    }
    int estado = 0;
    waitpid(pid, &estado, 0);
    const auto fin = std::chrono::steady_clock::now();
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        std::fprintf(stderr, "%s did not end at its first paint\n", programa);
        std::exit(2);
    }
    return std::chrono::duration<double, std::milli>(fin - inicio).count();
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s REPETITIONS BARE_WINDOW SPLASH [ARGUMENT]\n", argv[0]);
        return 2;
    }
    if (argc == 5) gArgumento = argv[4];
    const int repeticiones = std::max(1, std::atoi(argv[1]));
    std::vector<double> a, b;
    // One of each first, unmeasured, so that neither pays for a cold disk cache.
    Ejecutar(argv[2]);
    Ejecutar(argv[3]);
    for (int i = 0; i < repeticiones; ++i) {
        // Alternating order, so that neither always runs just after the other.
        if (i % 2 == 0) {
            a.push_back(Ejecutar(argv[2]));
            b.push_back(Ejecutar(argv[3]));
        } else {
            b.push_back(Ejecutar(argv[3]));
            a.push_back(Ejecutar(argv[2]));
        }
    }
    const double ma = Mediana(a), mb = Mediana(b);
    std::printf("bare window to first paint: median %.1f ms (min %.1f) over %d runs\n", ma,
                *std::min_element(a.begin(), a.end()), repeticiones);
    std::printf("splash to first paint:      median %.1f ms (min %.1f) over %d runs\n", mb,
                *std::min_element(b.begin(), b.end()), repeticiones);
    std::printf("ratio splash / bare window: %.2f\n", mb / ma);
    return 0;
}
