/* mierz: runs one command several times and prints its median wall time and
 * its peak memory.
 *
 *   mierz [-n RUNS] [-i STDIN] [-o STDOUT] [-r FILE]... -- PROGRAM ARG...
 *
 * Before every run each -r FILE is removed, so that every run starts from the
 * same state (an output left by the previous run would otherwise be truncated
 * inside the timed region, or a write-once file skipped). Standard input and
 * output default to /dev/null.
 *
 * Prints one line: "MEDIAN_S MIN_S PEAK_KB RUNS". PEAK_KB is the largest
 * ru_maxrss of the runs, the same counter GNU time reports as %M; the clock
 * is CLOCK_MONOTONIC read around fork and wait, so the times have microsecond
 * resolution where time(1) gives only hundredths. A run that ends with a
 * status other than 0 or by a signal stops the measurement: mierz then prints
 * what happened on stderr and exits with 1.
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { MAX_RUNS = 1000, MAX_REMOVED = 32 };

static double now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec + (double)t.tv_nsec * 1e-9;
}

static int compare(const void *a, const void *b) {
  double x = *(const double *)a, y = *(const double *)b;
  return (x > y) - (x < y);
}

/* Opens PATH onto descriptor FD in the child; exits the child on failure. */
static void redirect(const char *path, int flags, int fd) {
  int d = open(path, flags, 0644);
  if (d < 0 || dup2(d, fd) < 0) {
    fprintf(stderr, "mierz: %s: %s\n", path, strerror(errno));
    _exit(127);
  }
  close(d);
}

int main(int argc, char **argv) {
  int runs = 5, removed = 0;
  const char *in = "/dev/null", *out = "/dev/null";
  const char *remove_list[MAX_REMOVED];
  int opt;
  while ((opt = getopt(argc, argv, "+n:i:o:r:")) != -1) {
    switch (opt) {
    case 'n': runs = atoi(optarg); break;
    case 'i': in = optarg; break;
    case 'o': out = optarg; break;
    case 'r':
      if (removed == MAX_REMOVED) { fprintf(stderr, "mierz: too many -r\n"); return 2; }
      remove_list[removed++] = optarg;
      break;
    default: return 2;
    }
  }
  if (optind >= argc || runs < 1 || runs > MAX_RUNS) {
    fprintf(stderr, "usage: mierz [-n RUNS] [-i STDIN] [-o STDOUT] [-r FILE]... -- PROGRAM ARG...\n");
    return 2;
  }
  char **command = argv + optind;

  static double times[MAX_RUNS];
  long peak_kb = 0;
  for (int r = 0; r < runs; ++r) {
    for (int k = 0; k < removed; ++k)
      if (unlink(remove_list[k]) != 0 && errno != ENOENT) {
        fprintf(stderr, "mierz: cannot remove %s: %s\n", remove_list[k], strerror(errno));
        return 1;
      }
    double start = now();
    pid_t pid = fork();
    if (pid < 0) { perror("mierz: fork"); return 1; }
    if (pid == 0) {
      redirect(in, O_RDONLY, 0);
      redirect(out, O_WRONLY | O_CREAT | O_TRUNC, 1);
      execvp(command[0], command);
      fprintf(stderr, "mierz: %s: %s\n", command[0], strerror(errno));
      _exit(127);
    }
    int status;
    struct rusage usage;
    if (wait4(pid, &status, 0, &usage) < 0) { perror("mierz: wait4"); return 1; }
    times[r] = now() - start;
    if (usage.ru_maxrss > peak_kb) peak_kb = usage.ru_maxrss;
    if (WIFSIGNALED(status)) {
      fprintf(stderr, "mierz: %s killed by signal %d\n", command[0], WTERMSIG(status));
      return 1;
    }
    if (WEXITSTATUS(status) != 0) {
      fprintf(stderr, "mierz: %s exited with status %d\n", command[0], WEXITSTATUS(status));
      return 1;
    }
  }
  qsort(times, (size_t)runs, sizeof times[0], compare);
  double median = runs % 2 ? times[runs / 2] : (times[runs / 2 - 1] + times[runs / 2]) / 2;
  if (printf("%.6f %.6f %ld %d\n", median, times[0], peak_kb, runs) < 0 || fflush(stdout) != 0) return 1;
  return 0;
}
