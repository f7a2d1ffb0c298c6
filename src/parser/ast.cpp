#include "parser/ast.h"

#include <cstring>

namespace quillo {

bool DictEntry::operator==(const DictEntry& o) const {
    return key == o.key && value == o.value;
}

bool Expr::Float::operator==(const Float& o) const {
    return std::memcmp(&value, &o.value, sizeof value) == 0;
}

bool FunctionCode::operator==(const FunctionCode& o) const {
    return params == o.params && body == o.body;
}

bool MatchArm::operator==(const MatchArm& o) const {
    return pattern == o.pattern && body == o.body;
}

bool Stmt::If::operator==(const If& o) const {
    return condition == o.condition && then_body == o.then_body && else_body == o.else_body;
}

bool Stmt::While::operator==(const While& o) const {
    return condition == o.condition && body == o.body;
}

bool Stmt::For::operator==(const For& o) const {
    return variable == o.variable && iterable == o.iterable && body == o.body;
}

bool Stmt::Match::operator==(const Match& o) const {
    return subject == o.subject && arms == o.arms;
}

bool Stmt::TryCatch::operator==(const TryCatch& o) const {
    return body == o.body && error_name == o.error_name && handler == o.handler;
}

std::shared_ptr<const FunctionCode> deep_copy(const FunctionCode& code) {
    return std::make_shared<const FunctionCode>(code);
}

} // namespace quillo
