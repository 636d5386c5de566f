// Runs a command with its output discarded and prints the peak resident memory
// of the child in KiB. A child's peak includes what it inherits before exec,
// so this small static parent stands in for a shell.

#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs("usage: peak_memory command [argument...]\n", stderr);
        return 2;
    }
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return 1;
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}
