/* mierz: runs commands several times, taking turns, and prints for each its
 * median time (wall, or CPU with -c) and peak memory.
 *
 *   mierz [-n RUNS] [-c] JOB [\; JOB]...
 *   JOB: [-C DIR] [-i STDIN] [-o STDOUT] [-r FILE]... [-s STATUS] -- PROGRAM ARG...
 *
 * The jobs run in turn, one run each per round in an order drawn anew for
 * each round, for RUNS rounds: when other work on the machine comes and
 * goes, it then falls on every job alike and the ratios between them stay
 * fair. A job runs in DIR (default: here) with
 * standard input and output from and to the given files (default /dev/null).
 * Before each of its runs every -r FILE is removed, so that every run starts
 * from the same state (an output left by the previous run would otherwise be
 * truncated inside the timed region, or a write-once file skipped).
 *
 * Prints one line per job: "MEDIAN_S MIN_S PEAK_KB RUNS". PEAK_KB is the
 * largest ru_maxrss of the job's runs, the counter GNU time reports as %M;
 * the clock is CLOCK_MONOTONIC read around fork and wait, so times have
 * microsecond resolution where time(1) gives hundredths. With -c the time
 * of a run is instead the CPU time the child used, user and system together
 * (wait4's rusage): a recogniser is then not charged for the moments another
 * process held the core it waited for. A run that ends with a status other
 * than the job's -s STATUS (default 0) or by a signal stops everything:
 * mierz then says on stderr which job failed and how, and exits with 1.
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

enum { MAX_RUNS = 1000, MAX_JOBS = 16, MAX_REMOVED = 32 };

typedef struct {
  const char *dir, *in, *out;
  const char *removed[MAX_REMOVED];
  int n_removed;
  int status; /* the exit status a run must end with */
  char **command;
  double times[MAX_RUNS];
  long peak_kb;
} Job;

static double now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec + (double)t.tv_nsec * 1e-9;
}

static int compare(const void *a, const void *b) {
  double x = *(const double *)a, y = *(const double *)b;
  return (x > y) - (x < y);
}

static int cpu_time; /* -c: CPU time instead of wall time */

static int usage(void) {
  fprintf(stderr, "usage: mierz [-n RUNS] [-c] [-C DIR] [-i STDIN] [-o STDOUT] [-r FILE]... [-s STATUS] -- PROGRAM ARG...\n"
                  "             [\\; [-C DIR] ... -- PROGRAM ARG...]...\n");
  return 2;
}

/* Reads one job from argv[*k] on; leaves *k after its ";" (or at the end). */
static int parse_job(int argc, char **argv, int *k, Job *job) {
  memset(job, 0, sizeof *job);
  job->dir = ".";
  job->in = job->out = "/dev/null";
  int i = *k;
  for (; i < argc && strcmp(argv[i], "--") != 0; i += 2) {
    if (i + 1 >= argc) return 0;
    const char *opt = argv[i], *value = argv[i + 1];
    if (strcmp(opt, "-C") == 0) job->dir = value;
    else if (strcmp(opt, "-i") == 0) job->in = value;
    else if (strcmp(opt, "-o") == 0) job->out = value;
    else if (strcmp(opt, "-r") == 0 && job->n_removed < MAX_REMOVED) job->removed[job->n_removed++] = value;
    else if (strcmp(opt, "-s") == 0) job->status = atoi(value);
    else return 0;
  }
  if (i + 1 >= argc || strcmp(argv[i + 1], ";") == 0) return 0; /* no program */
  job->command = argv + i + 1;
  int end = i + 1;
  while (end < argc && strcmp(argv[end], ";") != 0) ++end;
  argv[end < argc ? end : argc] = NULL; /* ends the command's argv */
  *k = end + 1;
  return 1;
}

/* Opens PATH onto descriptor FD in the child; ends the child on failure. */
static void redirect(const char *path, int flags, int fd) {
  int d = open(path, flags, 0644);
  if (d < 0 || dup2(d, fd) < 0) {
    fprintf(stderr, "mierz: %s: %s\n", path, strerror(errno));
    _exit(127);
  }
  close(d);
}

/* One timed run of the job; returns 0, or 1 after saying what went wrong. */
static int run_once(Job *job, int number, double *seconds) {
  for (int k = 0; k < job->n_removed; ++k) {
    char path[4096];
    snprintf(path, sizeof path, "%s/%s", job->dir, job->removed[k]);
    if (unlink(path) != 0 && errno != ENOENT) {
      fprintf(stderr, "mierz: cannot remove %s: %s\n", path, strerror(errno));
      return 1;
    }
  }
  double start = now();
  pid_t pid = fork();
  if (pid < 0) {
    perror("mierz: fork");
    return 1;
  }
  if (pid == 0) {
    if (chdir(job->dir) != 0) {
      fprintf(stderr, "mierz: %s: %s\n", job->dir, strerror(errno));
      _exit(127);
    }
    redirect(job->in, O_RDONLY, 0);
    redirect(job->out, O_WRONLY | O_CREAT | O_TRUNC, 1);
    execvp(job->command[0], job->command);
    fprintf(stderr, "mierz: %s: %s\n", job->command[0], strerror(errno));
    _exit(127);
  }
  int status;
  struct rusage usage;
  if (wait4(pid, &status, 0, &usage) < 0) {
    perror("mierz: wait4");
    return 1;
  }
  *seconds = cpu_time ? (double)(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                           (double)(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6
                     : now() - start;
  if (usage.ru_maxrss > job->peak_kb) job->peak_kb = usage.ru_maxrss;
  if (WIFSIGNALED(status)) {
    fprintf(stderr, "mierz: job %d: %s killed by signal %d\n", number, job->command[0], WTERMSIG(status));
    return 1;
  }
  if (WEXITSTATUS(status) != job->status) {
    fprintf(stderr, "mierz: job %d: %s exited with status %d\n", number, job->command[0],
            WEXITSTATUS(status));
    return 1;
  }
  return 0;
}

int main(int argc, char **argv) {
  int runs = 5, k = 1;
  if (k + 1 < argc && strcmp(argv[k], "-n") == 0) {
    runs = atoi(argv[k + 1]);
    k += 2;
  }
  if (k < argc && strcmp(argv[k], "-c") == 0) {
    cpu_time = 1;
    ++k;
  }
  if (runs < 1 || runs > MAX_RUNS) return usage();
  static Job jobs[MAX_JOBS];
  int n_jobs = 0;
  while (k < argc) {
    if (n_jobs == MAX_JOBS || !parse_job(argc, argv, &k, &jobs[n_jobs])) return usage();
    ++n_jobs;
  }
  if (n_jobs == 0) return usage();

  /* Each round in an order of its own, drawn from a fixed seed: in one
     order every round, a job would always run after the same one, and
     whatever that leaves behind (the caches, the host's scheduling) would
     fall on it alone. */
  int order[MAX_JOBS];
  unsigned long long seed = 88172645463325252ULL;
  for (int j = 0; j < n_jobs; ++j) order[j] = j;
  for (int r = 0; r < runs; ++r) {
    for (int j = n_jobs - 1; j > 0; --j) {
      seed ^= seed << 13;
      seed ^= seed >> 7;
      seed ^= seed << 17;
      const int i = (int)(seed % (unsigned long long)(j + 1)), t = order[j];
      order[j] = order[i];
      order[i] = t;
    }
    for (int o = 0; o < n_jobs; ++o) {
      const int j = order[o];
      if (run_once(&jobs[j], j + 1, &jobs[j].times[r]) != 0) return 1;
    }
  }
  for (int j = 0; j < n_jobs; ++j) {
    double *t = jobs[j].times;
    qsort(t, (size_t)runs, sizeof *t, compare);
    double median = runs % 2 ? t[runs / 2] : (t[runs / 2 - 1] + t[runs / 2]) / 2;
    printf("%.6f %.6f %ld %d\n", median, t[0], jobs[j].peak_kb, runs);
  }
  return fflush(stdout) != 0 || ferror(stdout);
}
