  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
#  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
!  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
v  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
#  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
B  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
F  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
w  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
v  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
#  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
(  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
1  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
5  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
)  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
y  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
.  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
U  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
:  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
.  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
[  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
S  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
E  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
C  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
O  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
N  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
D  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
S  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
]  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
[  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
T  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
A  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
R  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
G  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
E  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
T  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
.  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
.  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
.  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
]  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
(  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
(  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
0  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
)  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
.  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
.  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
&  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
&  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
w  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
)  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
{  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
1  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
:  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
1  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
5  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
}  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
|  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
|  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
k  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
S  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
B  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
G  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
N  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
j  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
D  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
C  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
M  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
A  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
K  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
E  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
B  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
U  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
I  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
L  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
D  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
T  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
Y  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
P  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
E  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
R  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
W  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
D  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
I  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
D  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
C  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
M  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
A  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
K  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
E  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
C  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
X  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
X  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
C  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
O  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
M  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
P  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
I  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
L  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
E  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
R  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
+  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
+  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
\  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
D  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
V  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
E  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
K  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
A  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
F  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
U  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
Z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
Z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
O  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
N  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
>  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
v  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
k  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
j  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
(  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
)  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
(  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
@  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
)  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
[  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
{  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
#  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
[  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
@  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
]  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
}  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
q  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
0  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
]  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
;  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
*  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
;  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
[  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
x  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
]  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
&  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
&  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
+  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
(  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
(  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
)  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
)  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
;  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
[  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
{  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
#  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
[  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
@  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
]  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
}  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
q  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
0  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
]  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
&  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
&  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
{  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
;  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
x  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
0  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
;  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
}  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
{  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
[  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
@  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
]  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
}  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
;  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
{  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
%  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
}  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
w  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
k  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
k  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
w  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
k  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
[  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
]  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
&  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
&  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
*  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
w  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
k  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
2  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
>  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
v  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
|  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
|  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
{  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
}  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
x  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
2  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
0  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
4  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
8  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
=  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
1  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
w  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
k  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
2  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
>  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
&  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
1  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
|  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
E  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
'  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
:  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
:  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
m  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
x  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
_  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
|  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
E  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
R  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
R  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
O  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
R  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
|  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
S  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
U  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
M  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
M  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
A  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
R  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
Y  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
|  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
D  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
'  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
|  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
|  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
#  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
A  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
v  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
p  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
w  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
k  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
v  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
.  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
b  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
*  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
-  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
*  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
>  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
v  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
/  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
l  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
2  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
>  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
&  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
1  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
;  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
u  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
z  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
g  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
$  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
c  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
r  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
a  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
s  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
h  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
"  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
;  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
x  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
t  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
1  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
;  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
   echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
f  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
i  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
d  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
o  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
n  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
e  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi

  echo "== $t for ${seconds}s"
  set +e
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts-" "$work" > "$build/$t.log" 2>&1
  status=$?
  set -e
  grep -E 'stat::number_of_executed_units|SUMMARY' "$build/$t.log" || true
  if [ $status -ne 0 ]; then
    tail -n 40 "$build/$t.log"
    echo "fuzz target $t failed (status $status); the input is in $build/artifacts-*"
    exit 1
  fi
