// Files decoded ahead of need by a few helper threads while start-up loading runs on
// the main thread: each job turns one file into something in memory, in the order the
// jobs were given, and the loading code takes the result by key when it reaches that
// item, waiting only when that one is not finished yet. Nothing here touches the
// graphics or audio devices; turning the results into textures and buffers stays with
// the main thread.
#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

template <class T>
class TDecodeAhead {
 public:
  using TDecoder = std::function<std::shared_ptr<T>(const std::string& key)>;

  // At most `ahead` results wait to be taken (0: no bound): the helpers decode the
  // next files while the main thread works, not every file at once.
  TDecodeAhead(TDecoder decoder, int threads, int ahead = 0) : decoder_(std::move(decoder)), ahead_(ahead) {
    for (int i = 0; i < threads; ++i) workers_.emplace_back([this] { Work(); });
  }
  ~TDecodeAhead() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
      queue_.clear();
    }
    wake_.notify_all();
    for (auto& worker : workers_) worker.join();
  }
  TDecodeAhead(const TDecodeAhead&) = delete;
  TDecodeAhead& operator=(const TDecodeAhead&) = delete;

  // A key already asked for is not decoded twice.
  void Add(const std::string& key) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (jobs_.count(key)) return;
      jobs_[key];
      queue_.push_back(key);
    }
    wake_.notify_one();
  }

  // The result for key, taken out (a later Take of the same key finds nothing); false
  // when key was never added. A job still queued is decoded here rather than waited for.
  bool Take(const std::string& key, std::shared_ptr<T>& result) {
    std::unique_lock<std::mutex> lock(mutex_);
    auto it = jobs_.find(key);
    if (it == jobs_.end()) return false;
    if (!it->second.Started) {
      it->second.Started = true;
      std::erase(queue_, key);
      lock.unlock();
      result = decoder_(key);
      lock.lock();
      jobs_.erase(key);
      return true;
    }
    done_.wait(lock, [&] { return jobs_.at(key).Done; });
    result = std::move(jobs_.at(key).Result);
    jobs_.erase(key);
    --waiting_;
    lock.unlock();
    wake_.notify_one();
    return true;
  }

 private:
  struct TJob {
    bool Started = false;
    bool Done = false;
    std::shared_ptr<T> Result;
  };

  void Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock,
                 [this] { return stopping_ || (!queue_.empty() && (ahead_ <= 0 || waiting_ + busy_ < ahead_)); });
      if (stopping_) return;
      std::string key = std::move(queue_.front());
      queue_.pop_front();
      jobs_[key].Started = true;
      ++busy_;
      lock.unlock();
      std::shared_ptr<T> result = decoder_(key);
      lock.lock();
      --busy_;
      auto it = jobs_.find(key);
      if (it != jobs_.end()) {
        it->second.Result = std::move(result);
        it->second.Done = true;
        ++waiting_;
      }
      done_.notify_all();
    }
  }

  TDecoder decoder_;
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  std::deque<std::string> queue_;
  std::map<std::string, TJob> jobs_;
  bool stopping_ = false;
  const int ahead_;
  int busy_ = 0;     // jobs being decoded by the helpers
  int waiting_ = 0;  // results decoded and not yet taken
  std::vector<std::thread> workers_;
};
