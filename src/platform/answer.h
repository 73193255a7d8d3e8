#pragma once
// The user's answer to a Yes/No/Cancel question.
namespace plumex {

enum class Answer { Yes, No, Cancel };

}  // namespace plumex
