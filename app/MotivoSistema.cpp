#include "app/MotivoSistema.h"

#include <cerrno>
#include <cstring>

#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"

namespace tarvel {

std::string MotivoDeSistema(int error) {
    switch (error) {
        case ENOENT: return Mensaje(kTextoMotivoNoExiste);
        case EACCES:
        case EPERM: return Mensaje(kTextoMotivoPermiso);
        case EISDIR: return Mensaje(kTextoMotivoCarpeta);
        case ENOSPC: return Mensaje(kTextoMotivoSinEspacio);
        case EBADF: return Mensaje(kTextoMotivoSalidaCerrada);
        case 0:
        case EIO: return Mensaje(kTextoMotivoEntradaSalida);
        default: return std::strerror(error);
    }
}

}  // namespace tarvel
